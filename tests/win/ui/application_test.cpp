// The application object: error box, form creation failures, Halt, the message hook, modal
// forms, timers and popup menus.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/common/errors.h"
#include "win/ui/application.h"
#include "win/ui/image.h"
#include "win/ui/popup_menu.h"
#include "win/ui/timer.h"
#include "win/win_test_support.h"

namespace {

using namespace ui;

TEST(ErrorBoxTest, ShowsStopIconOkTitleAndTheFullStopRule) {
    wintest::RecordingMessageBox boxes;
    Application->HandleException("Stream read error");
    Application->HandleException("Done.");
    Application->HandleException("");
    ASSERT_EQ(boxes.calls.size(), 3u);
    EXPECT_EQ(boxes.calls[0].text, "Stream read error.");
    EXPECT_EQ(boxes.calls[0].caption, Application->Title());
    EXPECT_EQ(boxes.calls[0].type, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(boxes.calls[1].text, "Done.");
    EXPECT_EQ(boxes.calls[2].text, "");
}

TEST(ErrorBoxTest, TheTitleIsTheExecutableNameCutAndLowered) {
    // The test binary is win_tests.exe.
    EXPECT_EQ(Application->Title(), "win_tests");  // the first character stays as it is
    char text[64] = {0};
    ::GetWindowTextA(Application->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "win_tests");
}

TEST(ErrorBoxTest, AnErrorInAnEventHandlerEndsInTheBoxAndTheProgramGoesOn) {
    wintest::RecordingMessageBox boxes;
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    form.HandleNeeded();
    image->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw core::AppError("Cannot open file \"x\". Gone");
    };
    ::SendMessageA(image->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Cannot open file \"x\". Gone.");
    // Non-standard exceptions are caught at the boundary too.
    image->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw 42; };
    ::SendMessageA(image->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(boxes.calls.size(), 2u);
}

TEST(ErrorBoxTest, AnErrorInATimerHandlerShowsTheBoxAndTheTimerGoesOn) {
    wintest::RecordingMessageBox boxes;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    ASSERT_TRUE(wintest::PumpUntil([&] { return ticks >= 3; }, 3000));
    EXPECT_GE(boxes.calls.size(), 3u);
    EXPECT_EQ(boxes.calls[0].text, "tick failed.");
    timer.SetEnabled(false);
    int stopped = ticks;
    wintest::Pump(100);
    EXPECT_EQ(ticks, stopped);
}

struct FailingForm : TForm {
    explicit FailingForm(TComponent* owner) : TForm(owner) {
        OnCreate = [this](TObject*) {
            SetAlphaBlendValue(7);
            throw core::AppError("Bitmap image is not valid");
        };
    }
    std::string ClassName() const override { return "TFailingForm"; }
};

TEST(FormCreateTest, AnErrorInOnCreateIsShownAndTheFormLivesOnWithWhatWasSet) {
    wintest::RecordingMessageBox boxes;
    FailingForm* form = nullptr;
    Application->CreateForm(&form);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(form->AlphaBlendValue(), 7);
    char cls[64];
    ::GetClassNameA(form->Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, "TFailingForm");
    if (Application->MainForm() == form)
        Application->ClearMainForm();
    delete form;
}

struct HaltingForm : TForm {
    explicit HaltingForm(TComponent* owner) : TForm(owner) {
        OnCreate = [](TObject*) { Application->Halt(0); };
        OnDestroy = [this](TObject*) { destroyed = true; };
    }
    bool destroyed = false;
};

TEST(FormCreateTest, HaltInOnCreateLeavesCreationAtOnceWithItsExitCode) {
    TApplication* app = Application;
    bool reachedAfter = false;
    HaltingForm* form = nullptr;
    EXPECT_THROW(
        {
            app->CreateForm(&form);
            reachedAfter = true;
        },
        ProgramHalt);
    EXPECT_FALSE(reachedAfter);
    EXPECT_EQ(app->ExitCode(), 0);
    delete form;
    // Halt posted the quit of the loop; take it out again for the tests that follow.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(ApplicationEventsTest, SeesQueuedMessagesBeforeDispatchAndCanSwallowThem) {
    TForm form(nullptr);
    form.HandleNeeded();
    int seen = 0, dispatched = 0;
    auto link = form.WindowProc.InsertHead(
        [&](UINT m, WPARAM w, LPARAM l, const ui::TWndMethodChain::Next& next) -> LRESULT {
            if (m == WM_APP + 7)
                ++dispatched;
            return next(m, w, l);
        });
    TApplicationEvents events(nullptr);
    events.OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.message != WM_APP + 7)
            return;
        ++seen;
        handled = msg.wParam == 1;
    };
    ::PostMessageA(form.Handle(), WM_APP + 7, 0, 0);
    ::PostMessageA(form.Handle(), WM_APP + 7, 1, 0);
    Application->ProcessMessages();
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(dispatched, 1);
}

TEST(ModalTest, ShowModalDisablesOtherWindowsKeepsTimersAndReturnsTheResult) {
    TForm other(nullptr);
    other.SetBorderStyle(bsNone);
    other.Show();
    TForm dialog(nullptr);
    dialog.SetBorderStyle(bsDialog);
    TTimer timer(nullptr);
    timer.SetInterval(15);
    int ticks = 0;
    bool otherDisabled = false, closeCalled = false;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        otherDisabled = !::IsWindowEnabled(other.Handle());
        if (ticks == 3)
            dialog.SetModalResult(mrOk);
    };
    dialog.OnClose = [&](TObject*, TCloseAction&) { closeCalled = true; };
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(closeCalled);
    EXPECT_TRUE(::IsWindowEnabled(other.Handle()));
    EXPECT_FALSE(dialog.Visible());

    // Close on a modal form answers mrCancel.
    ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 2)
            dialog.Close();
    };
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(CloseTest, CloseActionsHideOrFreeTheForm) {
    TForm hideForm(nullptr);
    hideForm.Show();
    hideForm.Close();
    EXPECT_FALSE(hideForm.Visible());

    int destroyed = 0;
    auto* freeForm = new TForm(nullptr);
    freeForm->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    freeForm->OnDestroy = [&](TObject*) { ++destroyed; };
    freeForm->Show();
    freeForm->Close();
    EXPECT_EQ(destroyed, 0);  // not inside the handler that closed it
    wintest::PumpUntil([&] { return destroyed > 0; }, 1000);
    EXPECT_EQ(destroyed, 1);

    TForm keepForm(nullptr);
    keepForm.OnClose = [](TObject*, TCloseAction& action) { action = caNone; };
    keepForm.Show();
    ::SendMessageA(keepForm.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(keepForm.Visible());
}

struct NotedForm : TForm {
    explicit NotedForm(TComponent* owner, std::vector<std::string>* log) : TForm(owner), log_(log) {
        OnDestroy = [this](TObject*) { log_->push_back("destroy:" + note_); };
        new TImage(this);
    }
    ~NotedForm() override {
        DoDestroy();  // the handler reads note_, which dies before ~TForm runs
        log_->push_back("members gone");
    }
    std::vector<std::string>* log_;
    std::string note_ = "whole";
};

TEST(CloseTest, OnDestroyRunsOnceWhileTheDerivedFormIsWhole) {
    std::vector<std::string> log;
    auto* owner = new TComponent(nullptr);
    new NotedForm(owner, &log);
    delete owner;  // forms go with their owner
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "destroy:whole");
    EXPECT_EQ(log[1], "members gone");
}

TEST(MenuTest, AutoCheckTogglesBeforeOnClickAndSeparatorsAreNotCommands) {
    TPopupMenu menu(nullptr);
    auto* tip = new TMenuItem(&menu);
    tip->SetCaption("Always On &Tip");
    tip->SetAutoCheck(true);
    auto* sep = new TMenuItem(&menu);
    sep->SetCaption("-");
    menu.Items().Add(tip);
    menu.Items().Add(sep);
    bool seenChecked = false;
    tip->OnClick = [&](TObject*) { seenChecked = tip->Checked(); };
    tip->Click();
    EXPECT_TRUE(seenChecked);
    tip->Click();
    EXPECT_FALSE(tip->Checked());

    ScopedMenu built = menu.BuildMenu();
    ASSERT_EQ(::GetMenuItemCount(built.get()), 2);
    EXPECT_EQ(::GetMenuItemID(built.get(), 0), tip->Command());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(built.get(), 1, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_EQ(menu.Items().Find("Always On Tip"), tip);
}

TEST(MenuTest, PopupShowsASystemMenuWindowAndRunsTheChosenItem) {
    TPopupMenu menu(nullptr);
    auto* first = new TMenuItem(&menu);
    first->SetCaption("&Alarms");
    auto* second = new TMenuItem(&menu);
    second->SetCaption("&Exit");
    menu.Items().Add(first);
    menu.Items().Add(second);
    int firstClicks = 0, secondClicks = 0;
    first->OnClick = [&](TObject*) { ++firstClicks; };
    second->OnClick = [&](TObject*) { ++secondClicks; };

    // The timer fires inside the menu's own loop: find the menu window and choose by keys.
    TTimer timer(nullptr);
    timer.SetInterval(50);
    bool menuFound = false, handleSeen = false;
    timer.OnTimer = [&](TObject*) {
        HWND popup = ::FindWindowA("#32768", nullptr);
        if (!popup || !::IsWindowVisible(popup))
            return;
        menuFound = true;
        handleSeen = menu.Handle() != nullptr;
        timer.SetEnabled(false);
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    };
    menu.Popup(100, 100);
    EXPECT_TRUE(menuFound);
    EXPECT_TRUE(handleSeen);
    EXPECT_EQ(menu.Handle(), nullptr);
    EXPECT_EQ(firstClicks + secondClicks, 1);
}

}  // namespace

namespace {

TEST(QueueTest, QueuedCallsRunFromTheLoopInOrderAndAFailureIsShownWithoutStoppingTheRest) {
    wintest::RecordingMessageBox boxes;
    std::vector<int> ran;
    Application->Queue([&] { ran.push_back(1); });
    Application->Queue([&] { throw core::AppError("Queued failure"); });
    Application->Queue([&] {
        ran.push_back(2);
        // Queued while the queue runs: waits for the next turn of the loop.
        Application->Queue([&] { ran.push_back(3); });
    });
    EXPECT_TRUE(ran.empty()) << "nothing runs before the loop";
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Queued failure.");
}

}  // namespace
