// ShowInfo and AskYesNo: box kinds, caption, the fixed buffers, and the real system box.
#include <gtest/gtest.h>

#include "win/app/msg.h"
#include "win/ui/application.h"
#include "win/ui/timer.h"
#include "win/win_test_support.h"

namespace {

TEST(MsgTest, ShowInfoIsAnInformationBoxWithOkCaptionedWithTheTitle) {
    wintest::RecordingMessageBox boxes;
    HWND owner = ui::Application->Handle();
    app::ShowInfo(owner, "file x.clk not found.");
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].owner, owner);
    EXPECT_EQ(boxes.calls[0].text, "file x.clk not found.");
    EXPECT_EQ(boxes.calls[0].caption, ui::Application->Title());
    EXPECT_EQ(boxes.calls[0].type, UINT(MB_OK | MB_ICONINFORMATION));
}

TEST(MsgTest, AskYesNoIsTrueOnlyForYes) {
    wintest::RecordingMessageBox boxes;
    boxes.answer = IDYES;
    EXPECT_TRUE(app::AskYesNo(nullptr, "Delete?"));
    EXPECT_EQ(boxes.calls[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    boxes.answer = IDNO;
    EXPECT_FALSE(app::AskYesNo(nullptr, "Delete?"));
    boxes.answer = IDCANCEL;  // closed by other means
    EXPECT_FALSE(app::AskYesNo(nullptr, "Delete?"));
}

TEST(MsgTest, TextAndCaptionAreCutToTheirBuffers) {
    wintest::RecordingMessageBox boxes;
    std::string savedTitle = ui::Application->Title();
    ui::Application->SetTitle(std::string(70, 'T'));
    app::ShowInfo(nullptr, std::string(1023, 'a'));
    app::ShowInfo(nullptr, std::string(5000, 'b'));
    ui::Application->SetTitle(savedTitle);
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(boxes.calls[0].text.size(), 1023u);
    EXPECT_EQ(boxes.calls[1].text, std::string(1023, 'b'));
    EXPECT_EQ(boxes.calls[0].caption, std::string(63, 'T'));
}

BOOL CALLBACK CloseBox(HWND hwnd, LPARAM) {
    char cls[16] = {0};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0)
        ::PostMessageA(hwnd, WM_COMMAND, IDNO, 0);
    return TRUE;
}

TEST(MsgTest, TheRealBoxIsASystemDialogWithTheTextAndAnswersYes) {
    // A timer runs inside the box's own loop: it reads the dialog and presses Yes. A box that
    // is not found within the deadline (another caption, no box at all) is answered No, so the
    // test fails instead of waiting for ever.
    ui::TTimer timer(nullptr);
    timer.SetInterval(50);
    std::string seenText, seenCaption;
    const DWORD deadline = ::GetTickCount() + 10000;
    bool timedOut = false;
    timer.OnTimer = [&](ui::TObject*) {
        HWND box = ::FindWindowA("#32770", ui::Application->Title().c_str());
        if (!box && ::GetTickCount() > deadline) {
            timedOut = true;
            timer.SetEnabled(false);
            ::EnumThreadWindows(::GetCurrentThreadId(), CloseBox, 0);
            return;
        }
        if (!box)
            return;
        timer.SetEnabled(false);
        char caption[128] = {0};
        ::GetWindowTextA(box, caption, sizeof caption);
        seenCaption = caption;
        for (HWND child = ::GetWindow(box, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            char cls[32] = {0}, text[256] = {0};
            ::GetClassNameA(child, cls, sizeof cls);
            ::GetWindowTextA(child, text, sizeof text);
            if (lstrcmpiA(cls, "Static") == 0 && text[0])
                seenText = text;
        }
        ::PostMessageA(box, WM_COMMAND, IDYES, 0);
    };
    EXPECT_TRUE(app::AskYesNo(nullptr, "Remove the alarm?"));
    EXPECT_FALSE(timedOut) << "no box captioned with the title appeared";
    EXPECT_EQ(seenCaption, ui::Application->Title());
    EXPECT_EQ(seenText, "Remove the alarm?");
}

}  // namespace
