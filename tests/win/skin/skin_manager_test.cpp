// The skin manager with real windows: its life with the skin components, form skins leaving
// its list with their windows, the passive skin without xcMainMenu, OnFormSkin and the form
// events, a skin loaded at run time applied to open windows, and popup menu windows noted.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/common/file_io.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_file.h"
#include "win/alarms/dialog_driver.h"
#include "win/skin/skin_test_support.h"
#include "win/ui/dialog_form.h"
#include "win/ui/popup_menu.h"
#include "win/ui/thread_hook.h"
#include "win/ui/timer.h"

#ifdef CLOCK_HAS_SKIN_STREAM

namespace {

using skintest::RunningSkin;
using wintest::DialogDriver;

// A dialog of the program's kind with a client area of 240 x 120.
ui::TDialogForm* Dialog(const std::string& caption) {
    auto* f = new ui::TDialogForm(nullptr);
    f->SetCaption(caption);
    f->SetClientSize(240, 120);
    return f;
}

TEST(SkinManager, LivesWithItsComponentsTogetherWithItsHook) {
    EXPECT_EQ(skin::TSkinManager::Instance(), nullptr);
    {
        skintest::SkinHost host;
        ASSERT_NE(skin::TSkinManager::Instance(), nullptr);
        EXPECT_TRUE(skin::TSkinManager::Instance()->HookInstalled());
        EXPECT_TRUE(ui::TThreadHook::Installed(WH_CBT));
        EXPECT_EQ(skin::TSkinManager::Instance()->DefaultSkinData(), &host.Data());
        EXPECT_TRUE(skin::TSkinManager::Instance()->Enabled());
    }
    EXPECT_EQ(skin::TSkinManager::Instance(), nullptr);
    EXPECT_FALSE(ui::TThreadHook::Installed(WH_CBT)) << "the hook goes with the manager";
}

// No list may hold the skin of a window that is gone.
TEST(SkinManager, AFormSkinLeavesTheListWhenItsWindowIsDestroyed) {
    skintest::SkinHost host;
    skin::TSkinManager& manager = *skin::TSkinManager::Instance();
    ui::TDialogForm* form = Dialog("Short lived");
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return RunningSkin(form->Handle()) != nullptr; }, 3000));
    const HWND h = form->Handle();
    const skin::TFormSkin* skin = manager.FindSkin(h);
    ASSERT_EQ(manager.FormSkins().size(), 1u);
    delete form;
    EXPECT_EQ(manager.FindSkin(h), nullptr);
    for (const auto& s : manager.FormSkins())
        EXPECT_NE(s.get(), skin) << "still listed after its window was destroyed";
    manager.DropFinished();
    for (const auto& s : manager.FormSkins())
        EXPECT_TRUE(::IsWindow(s->Handle())) << "every listed skin has its window";
}

TEST(SkinManager, WithoutMainMenuTheSkinStaysPassive) {
    skintest::SkinHost host;
    core::TSkinControls controls = host.Data().SkinControls();
    controls.Exclude(core::xcMainMenu);
    host.Data().SetSkinControls(controls);
    ui::TDialogForm* form = Dialog("Passive");
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return RunningSkin(form->Handle()) != nullptr; }, 3000));
    EXPECT_TRUE(RunningSkin(form->Handle())->Passive());
    EXPECT_EQ(::SendMessageA(form->Handle(), core::skinmsg::kIsSkinned, 0, 0), 1);
    const SIZE system = skintest::SystemFrameSize(form->Handle());
    EXPECT_EQ(skintest::WindowSize(form->Handle()).cx, system.cx) << "its own frame";
    EXPECT_EQ(skintest::WindowSize(form->Handle()).cy, system.cy);
    delete form;
}

// A window without a caption gets no skinned frame (the clock window is one): whatever frame
// it has stays the system's to paint.
TEST(SkinManager, AWindowWithoutCaptionKeepsTheSystemsNonClientPainting) {
    skintest::SkinHost host;
    auto* form = new ui::TForm(nullptr);
    form->SetBorderStyle(ui::bsNone);
    form->HandleNeeded();
    const HWND h = form->Handle();
    ::SetWindowLongPtrA(h, GWL_STYLE, ::GetWindowLongPtrA(h, GWL_STYLE) | WS_THICKFRAME);
    ::SetWindowPos(h, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    int systemPaints = 0;  // non-client paints that reach the form's own handling
    auto below = form->WindowProc.InsertHead(
        [&](UINT m, WPARAM w, LPARAM l, const ui::TWndMethodChain::Next& next) {
            systemPaints += m == WM_NCPAINT;
            return next(m, w, l);
        });
    const SIZE before = skintest::WindowSize(h);
    form->Show();
    ASSERT_TRUE(wintest::PumpUntil([&] { return RunningSkin(h) != nullptr; }, 3000));
    EXPECT_EQ(RunningSkin(h)->FrameKind(), core::fkNone);
    systemPaints = 0;
    ::RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(systemPaints, 0);
    EXPECT_EQ(skintest::WindowSize(h).cx, before.cx) << "no resizing";
    EXPECT_EQ(skintest::WindowSize(h).cy, before.cy);
    below.Leave();
    delete form;
}

TEST(SkinManager, OnFormSkinDecidesAndTheFormEventsTellTheClass) {
    skintest::SkinHost host;
    std::vector<std::string> asked, before, after;
    host.Data().OnFormSkin = [&](ui::TObject*, const std::string& cls, bool& doSkin) {
        asked.push_back(cls);
        doSkin = cls != "TRefused";
    };
    host.Data().OnBeforeSkinForm = [&](ui::TObject*, HWND, const std::string& cls) {
        before.push_back(cls);
    };
    host.Data().OnAfterSkinForm = [&](ui::TObject*, HWND, const std::string& cls) {
        after.push_back(cls);
    };
    struct Refused : ui::TDialogForm {
        Refused() : ui::TDialogForm(nullptr) {}
        std::string ClassName() const override { return "TRefused"; }
    };
    auto* refused = new Refused();
    refused->Show();
    ui::TDialogForm* accepted = Dialog("Accepted");
    accepted->Show();
    ASSERT_TRUE(
        wintest::PumpUntil([&] { return RunningSkin(accepted->Handle()) != nullptr; }, 3000));
    EXPECT_EQ(skin::TSkinManager::Instance()->FindSkin(refused->Handle()), nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"TRefused", "TForm"}));
    EXPECT_EQ(before, (std::vector<std::string>{"TForm"}));
    EXPECT_EQ(after, (std::vector<std::string>{"TForm"}));
    delete accepted;
    delete refused;
}

// A skin with wider borders: Left 8, Right 8, Top (caption) 30, Bottom 8, one frame each.
core::Bytes WideSkin() {
    auto bmp = [](int w, int h, uint32_t c) { return core::EncodeBmp24(core::Bitmap(w, h, c)); };
    const std::string ini =
        "[TitlebarSkin]\nSkinName=Wide\n[Personality]\n"
        "Left=l.bmp\nLeftTrans=0\nRight=r.bmp\nRightTrans=0\n"
        "Top=t.bmp\nTopTrans=0\nBottom=b.bmp\nBottomTrans=0\n"
        "[Button0]\nButtonImage=c.bmp\nAction=0\nAlign=1\nXcoord=24\nYcoord=6\nframe=4\n";
    return core::EncodeSkinFile(core::BuildSkinArchive({
        {"wide.ini", core::Bytes(ini.begin(), ini.end())},
        {"l.bmp", bmp(8, 40, 0x404040)},
        {"r.bmp", bmp(8, 40, 0x404040)},
        {"t.bmp", bmp(20, 30, 0x805020)},
        {"b.bmp", bmp(20, 8, 0x404040)},
        {"c.bmp", bmp(64, 16, 0x2020C0)},
    }));
}

TEST(SkinManager, ASkinLoadedAtRunTimeIsAppliedToOpenWindows) {
    skintest::SkinHost host;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "wide" + std::to_string(::GetTickCount()) + ".skn";
    const core::Bytes file = WideSkin();
    core::WriteWholeFile(path, file.data(), file.size());
    int changed = 0;
    host.Data().OnSkinChanged = [&](ui::TObject*) { ++changed; };
    ui::TDialogForm* form = Dialog("Reskinned");
    DialogDriver d;
    d.Then([&] { return form->HandleAllocated() && RunningSkin(form->Handle()); });
    d.Then([&] {
        host.Data().SetActive(false);  // starts the manager's commands
        host.Data().SetActive(true);
        return true;
    });
    d.Then([&] { return changed == 1 && RunningSkin(form->Handle()); });
    d.Then([&] {
        host.Data().SetSkinFile(path);
        EXPECT_EQ(host.Skin().SkinName(), "Wide");
        // The caption buttons were made again from the new skin at once: painting now is safe.
        RunningSkin(form->Handle())->Repaint();
        return true;
    });
    d.Then([&] {
        const skintest::Frame f = skintest::FrameOf(form->Handle());
        if (changed < 2)
            return false;
        EXPECT_EQ(f.left, 8);
        EXPECT_EQ(f.top, 30);
        EXPECT_EQ(f.right, 8);
        EXPECT_EQ(f.bottom, 8);
        EXPECT_EQ(f.client.cx, 240) << "the client area stays";
        EXPECT_EQ(f.client.cy, 120);
        ::PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
        return true;
    });
    form->ShowModal();
    EXPECT_TRUE(d.Finished());
    EXPECT_FALSE(d.TimedOut());
    delete form;
    ::DeleteFileA(path.c_str());
}

TEST(SkinManager, PopupMenuWindowsAreNotedWhileTheyLive) {
    skintest::SkinHost host;
    skin::TSkinManager& manager = *skin::TSkinManager::Instance();
    ui::TPopupMenu menu(nullptr);
    auto* item = new ui::TMenuItem(&menu);
    item->SetCaption("&Item");
    menu.Items().Add(item);
    ui::TTimer timer(nullptr);
    timer.SetInterval(50);
    size_t noted = 0;
    timer.OnTimer = [&](ui::TObject*) {
        HWND window = ::FindWindowA("#32768", nullptr);
        if (!window || !::IsWindowVisible(window))
            return;
        noted = manager.PopupMenus().size();
        if (noted == 1) {
            EXPECT_EQ(manager.PopupMenus()[0].hwnd, window);
            EXPECT_EQ(manager.PopupMenus()[0].origin, core::TPopupMenuOrigin::Other);
        }
        ::EndMenu();
    };
    menu.Popup(100, 100);
    EXPECT_EQ(noted, 1u);
    wintest::Pump(50);
    EXPECT_TRUE(manager.PopupMenus().empty()) << "forgotten with its window";
}

}  // namespace

#endif  // CLOCK_HAS_SKIN_STREAM
