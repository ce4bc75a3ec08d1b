#include "win/app/clock_popup_menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/clock_menu.h"
#include "core/common/file_io.h"
#include "win/app/memory_registry.h"
#include "win/ui/application.h"
#include "win/widgets/application_tray_host.h"
#include "win/widgets/tray_icon.h"
#include "win/win_test_support.h"

namespace win {
namespace {

class NullShell : public TrayShell {
  public:
    bool NotifyIcon(DWORD, const void*, DWORD) override { return true; }
    core::ShellVersion Version() override { return {6, 0}; }
};

std::string MenuString(HMENU menu, UINT index) {
    char text[64] = {};
    GetMenuStringA(menu, index, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(PopupMenu1Test, BuiltInTableOrderWithSeparatorsAndCheckItems) {
    ui::TForm owner(nullptr);
    ui::TPopupMenu menu(&owner);
    BuildPopupMenu1(menu, &owner, {});
    ASSERT_EQ(menu.Items().Count(), 9);
    ui::ScopedMenu built = menu.BuildMenu();
    ASSERT_EQ(GetMenuItemCount(built.get()), 9);
    for (int i = 0; i < 9; ++i) {
        const core::ClockMenuItem& def = core::kPopupMenu1[i];
        ui::TMenuItem* item = menu.Items().Items(i);
        EXPECT_EQ(item->Name(), def.name);
        EXPECT_EQ(owner.FindComponent(def.name), item);
        EXPECT_EQ(item->AutoCheck(), def.kind == core::MenuItemKind::AutoCheck) << def.name;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoA(built.get(), i, TRUE, &info));
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        EXPECT_EQ(separator, def.kind == core::MenuItemKind::Separator) << def.name;
        if (!separator)
            EXPECT_EQ(MenuString(built.get(), i), def.caption);
    }
}

// The clock window's commands wired as the clock window wires them, on a real form.
class ClockWiringTest : public ::testing::Test {
  protected:
    ClockWiringTest()
        : folder(TempFolder()),
          form(nullptr),
          menu(&form),
          target(form, menu, [this] { ++shapes; }),
          clock{target, alarms, folder + "Alarm.sav", "Wired Clock", "C:\\wired.exe", registry} {
        alarms.InitDefaults();
        form.SetBorderStyle(ui::bsNone);
        form.SetBounds(600, 400, 80, 40);
        BuildPopupMenu1(menu, &form,
                        {{"Hide1Click", [this](ui::TObject*) { Hide1Click(clock); }},
                         {"muShowOnTipClick", [this](ui::TObject*) { muShowOnTipClick(clock); }},
                         {"muAutoRunClick", [this](ui::TObject*) { muAutoRunClick(clock); }},
                         {"Exit1Click", [this](ui::TObject*) { Exit1Click(clock); }}});
        form.Show();
    }
    ~ClockWiringTest() override {
        core::DeleteFileAt(clock.alarmFilePath);
        RemoveDirectoryA(folder.c_str());
    }
    static std::string TempFolder() {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        std::string f = std::string(base) + "clock_wiring_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(f.c_str(), nullptr);
        return f + "\\";
    }
    ui::TMenuItem& Item(const char* name) { return *FindMenuItem(menu, name); }

    std::string folder;
    ui::TForm form;
    ui::TPopupMenu menu;
    int shapes = 0;
    FormCommandTarget target;
    core::TAlarmDB alarms;
    wintest::MemoryRegistry registry;
    ClockCommandContext clock;
};

TEST_F(ClockWiringTest, HideItemAndTrayDoubleClickToggleTheWindow) {
    Item("Hide1").Click();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(Item("Hide1").Caption(), "&Show");

    NullShell shell;
    ApplicationTrayHost host(*ui::Application);
    TTrayIcon tray(shell, host);
    tray.OnDblClick = [this](TTrayIcon&, ui::TMouseButton, ui::TShiftState, int, int) {
        TrayIcon1DblClick(clock);
    };
    tray.SetActive(true);
    tray.Loaded();
    SendMessageA(tray.Handle(), TTrayIcon::kCallbackMessage, 1, WM_MBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(Item("Hide1").Caption(), "&Hide");
}

TEST_F(ClockWiringTest, AlwaysOnTipItemTogglesTopmostAndSavesEachTime) {
    Item("muShowOnTip").Click();
    EXPECT_TRUE(Item("muShowOnTip").Checked());
    EXPECT_TRUE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(core::ReadWholeFile(clock.alarmFilePath)[core::TAlarmDB::kShowOnTipOffset], 1);
    Item("muShowOnTip").Click();
    EXPECT_FALSE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(core::ReadWholeFile(clock.alarmFilePath)[core::TAlarmDB::kShowOnTipOffset], 0);
    EXPECT_EQ(shapes, 2);
}

TEST_F(ClockWiringTest, AutoRunItemWritesTheValueNamedAfterTheClock) {
    Item("muAutoRun").Click();
    EXPECT_EQ(registry.Machine()["Wired Clock"], "C:\\wired.exe");
    Item("muAutoRun").Click();
    EXPECT_EQ(registry.Machine().count("Wired Clock"), 0u);
}

TEST_F(ClockWiringTest, ErrorInAMenuCommandGoesToTheErrorBox) {
    wintest::RecordingMessageBox boxes;
    NullShell shell;
    ApplicationTrayHost host(*ui::Application);
    TTrayIcon tray(shell, host);
    clock.alarmFilePath = folder + "missing\\Alarm.sav";
    tray.OnDblClick = [this](TTrayIcon&, ui::TMouseButton, ui::TShiftState, int, int) {
        Item("muAutoRun").Click();
    };
    SendMessageA(tray.Handle(), TTrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text.rfind("Cannot create file", 0), 0u) << boxes.calls[0].text;
    EXPECT_TRUE(registry.Machine().empty());
}

TEST(ApplicationTrayHostTest, MinimizingTheApplicationHidesClockAndTaskbarButton) {
    HWND app = ui::Application->Handle();
    const bool appWasVisible = IsWindowVisible(app);
    ShowWindow(app, SW_SHOWNOACTIVATE);
    auto* clockForm = ui::Application->CreateForm<ui::TForm>();
    clockForm->SetBorderStyle(ui::bsNone);
    clockForm->Show();
    NullShell shell;
    ApplicationTrayHost host(*ui::Application);
    {
        TTrayIcon tray(shell, host);
        tray.SetActive(true);
        tray.Loaded();
        SendMessageA(app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_FALSE(clockForm->Visible());
        EXPECT_FALSE(IsWindowVisible(clockForm->Handle()));
        EXPECT_TRUE(IsIconic(app));
        EXPECT_FALSE(IsWindowVisible(app));
        EXPECT_TRUE(tray.Added());
    }
    ui::Application->ClearMainForm();
    delete clockForm;
    ShowWindow(app, SW_RESTORE);
    if (!appWasVisible)
        ShowWindow(app, SW_HIDE);
}

}  // namespace
}  // namespace win
