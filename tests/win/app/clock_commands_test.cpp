#include "win/app/clock_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "win/app/memory_registry.h"

namespace win {
namespace {

class FakeClockWindow : public ClockCommandTarget {
  public:
    bool Visible() override { return visible; }
    void SetVisible(bool v) override {
        visible = v;
        log.push_back(v ? "show" : "hide");
    }
    void SetStayOnTop(bool onTop) override { log.push_back(onTop ? "ontop" : "normal"); }
    void ApplyWindowShape() override { log.push_back("shape"); }
    void Close() override { log.push_back("close"); }
    std::string ItemCaption(const std::string& item) override { return captions[item]; }
    void SetItemCaption(const std::string& item, const std::string& caption) override {
        captions[item] = caption;
    }
    bool ItemChecked(const std::string& item) override { return checked[item]; }

    bool visible = true;
    std::map<std::string, std::string> captions{{"Hide1", "&Hide"}};
    std::map<std::string, bool> checked;
    std::vector<std::string> log;
};

std::string TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + "clock_cmd_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

class ClockCommandsTest : public ::testing::Test {
  protected:
    ClockCommandsTest()
        : folder(TempFolder()), clock{window,
                                      alarms,
                                      folder + "Alarm.sav",
                                      "Red Clock",
                                      "C:\\Clocks\\red.exe",
                                      registry} {
        alarms.InitDefaults();
    }
    ~ClockCommandsTest() override {
        core::DeleteFileAt(clock.alarmFilePath);
        RemoveDirectoryA(folder.c_str());
    }
    core::Bytes Saved() { return core::ReadWholeFile(clock.alarmFilePath); }

    std::string folder;
    FakeClockWindow window;
    core::TAlarmDB alarms;
    wintest::MemoryRegistry registry;
    ClockCommandContext clock;
};

TEST_F(ClockCommandsTest, HideAndShowToggleCaptionAndVisibility) {
    Hide1Click(clock);
    EXPECT_EQ(window.captions["Hide1"], "&Show");
    EXPECT_FALSE(window.visible);
    TrayIcon1DblClick(clock);
    EXPECT_EQ(window.captions["Hide1"], "&Hide");
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.log, (std::vector<std::string>{"hide", "show"}));
}

TEST_F(ClockCommandsTest, CaptionAndVisibilityToggleApart) {
    // Hidden some other way while the caption still reads "&Hide".
    window.visible = false;
    Hide1Click(clock);
    EXPECT_EQ(window.captions["Hide1"], "&Show");
    EXPECT_TRUE(window.visible);
}

TEST_F(ClockCommandsTest, AlwaysOnTopSetsStyleThenShapeThenSaves) {
    window.checked["muShowOnTip"] = true;
    muShowOnTipClick(clock);
    EXPECT_EQ(window.log, (std::vector<std::string>{"ontop", "shape"}));
    EXPECT_EQ(Saved()[core::TAlarmDB::kShowOnTipOffset], 1);

    window.checked["muShowOnTip"] = false;
    muShowOnTipClick(clock);
    EXPECT_EQ(window.log, (std::vector<std::string>{"ontop", "shape", "normal", "shape"}));
    EXPECT_EQ(Saved()[core::TAlarmDB::kShowOnTipOffset], 0);
    EXPECT_TRUE(registry.Machine().empty());
}

TEST_F(ClockCommandsTest, AutoRunSavesOptionAndWritesOrRemovesValue) {
    window.checked["muAutoRun"] = true;
    EXPECT_EQ(muAutoRunClick(clock), AutoRunOutcome::Written);
    EXPECT_EQ(Saved()[core::TAlarmDB::kAutoRunOffset], 1);
    EXPECT_EQ(registry.Machine()["Red Clock"], "C:\\Clocks\\red.exe");

    window.checked["muAutoRun"] = false;
    EXPECT_EQ(muAutoRunClick(clock), AutoRunOutcome::Removed);
    EXPECT_EQ(Saved()[core::TAlarmDB::kAutoRunOffset], 0);
    EXPECT_EQ(registry.Machine().count("Red Clock"), 0u);
}

TEST_F(ClockCommandsTest, AutoRunKeepsOptionWhenNoKeyOpens) {
    registry.machineOpens = false;
    window.checked["muAutoRun"] = true;
    muAutoRunClick(clock);
    EXPECT_TRUE(alarms.AutoRun());
    EXPECT_EQ(Saved()[core::TAlarmDB::kAutoRunOffset], 1);
}

TEST_F(ClockCommandsTest, FailedSaveLeavesRegistryAlone) {
    clock.alarmFilePath = folder + "no such folder\\Alarm.sav";
    window.checked["muAutoRun"] = true;
    EXPECT_THROW(muAutoRunClick(clock), core::FileError);
    EXPECT_TRUE(registry.Machine().empty());
}

TEST_F(ClockCommandsTest, ExitClosesTheClockWindow) {
    Exit1Click(clock);
    EXPECT_EQ(window.log, (std::vector<std::string>{"close"}));
}

}  // namespace
}  // namespace win
