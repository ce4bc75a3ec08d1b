#include "core/widgets/tray_rules.h"

#include <gtest/gtest.h>

namespace core {
namespace {

const ShellVersion kOld{4, 71};
const ShellVersion kFive{5, 0};
const ShellVersion kSix{6, 1};

TEST(ShellVersionTest, ComparesMajorThenMinor) {
    EXPECT_FALSE((ShellVersion{4, 99}).Modern());
    EXPECT_TRUE(kFive.Modern());
    EXPECT_TRUE((ShellVersion{5, 1}).Modern());
    EXPECT_TRUE((ShellVersion{10, 0}).Modern());
    // A high minor number must not make up for a lower major one.
    EXPECT_FALSE((ShellVersion{4, 100}).AtLeast(5, 0));
    EXPECT_FALSE((ShellVersion{0, 0}).Modern());
}

TEST(TrayHintTest, LineBreaksBecomeDashesOnOldShellsOnly) {
    EXPECT_EQ(NormalizeTrayHint("Red\r\nClock\r\n", kOld), "Red - Clock - ");
    EXPECT_EQ(NormalizeTrayHint("Red\r\nClock", kFive), "Red\r\nClock");
    // Lone CR or LF are not line breaks of the rule and stay.
    EXPECT_EQ(NormalizeTrayHint("a\rb\nc\n\rd", kOld), "a\rb\nc\n\rd");
    EXPECT_EQ(NormalizeTrayHint("end\r", kOld), "end\r");
    EXPECT_EQ(NormalizeTrayHint("", kOld), "");
}

TEST(TrayTipTest, ShortPartUpToFirstBar) {
    EXPECT_EQ(TrayTipText("Clock|long help|more", kSix), "Clock");
    EXPECT_EQ(TrayTipText("|after", kSix), "");
    EXPECT_EQ(TrayTipText("no bar", kSix), "no bar");
}

TEST(TrayTipTest, CutToLimitByShellVersion) {
    const std::string name64(64, 'x');
    EXPECT_EQ(TrayTipText(name64, kOld), std::string(63, 'x'));
    EXPECT_EQ(TrayTipText(name64, kFive), name64);
    const std::string long200 = std::string(126, 'a') + "bcd" + std::string(71, 'z');
    EXPECT_EQ(TrayTipText(long200, kSix), std::string(126, 'a') + "b");
    EXPECT_EQ(TrayTipText(std::string(63, 'q'), kOld).size(), 63u);
    // The cut applies to the short part, not to the whole hint.
    EXPECT_EQ(TrayTipText("abc|" + std::string(300, 'y'), kOld), "abc");
}

TEST(TrayMessageTest, MenuOpensOnContextMenuAndKeySelect) {
    for (ShellVersion shell : {kOld, kSix}) {
        EXPECT_EQ(ClassifyTrayMessage(tray_msg::kContextMenu, shell).action, TrayAction::PopupMenu);
        EXPECT_EQ(ClassifyTrayMessage(tray_msg::kKeySelect, shell).action, TrayAction::PopupMenu);
    }
}

TEST(TrayMessageTest, RightButtonReleaseOpensMenuBeforeShellFiveOnly) {
    EXPECT_EQ(ClassifyTrayMessage(tray_msg::kRButtonUp, kOld).action, TrayAction::PopupMenu);
    EXPECT_EQ(ClassifyTrayMessage(tray_msg::kRButtonUp, kFive).action, TrayAction::None);
    EXPECT_EQ(ClassifyTrayMessage(tray_msg::kLButtonUp, kOld).action, TrayAction::None);
    EXPECT_EQ(ClassifyTrayMessage(tray_msg::kMButtonUp, kOld).action, TrayAction::None);
}

TEST(TrayMessageTest, DoubleClickReportsItsButton) {
    struct Case {
        uint32_t message;
        TrayButton button;
    };
    for (const Case& c : {Case{tray_msg::kLButtonDblClk, TrayButton::mbLeft},
                          Case{tray_msg::kRButtonDblClk, TrayButton::mbRight},
                          Case{tray_msg::kMButtonDblClk, TrayButton::mbMiddle}}) {
        for (ShellVersion shell : {kOld, kSix}) {
            TrayReaction r = ClassifyTrayMessage(c.message, shell);
            EXPECT_EQ(r.action, TrayAction::DblClick) << std::hex << c.message;
            EXPECT_EQ(r.button, c.button) << std::hex << c.message;
        }
    }
}

TEST(TrayMessageTest, PressesMovesAndUnknownMessages) {
    EXPECT_EQ(ClassifyTrayMessage(tray_msg::kMouseMove, kSix).action, TrayAction::UpdateTip);
    EXPECT_EQ(ClassifyTrayMessage(tray_msg::kMouseMove, kOld).action, TrayAction::UpdateTip);
    for (uint32_t m : {tray_msg::kLButtonDown, tray_msg::kRButtonDown, tray_msg::kMButtonDown,
                       tray_msg::kLButtonUp, 0x400u, 0x402u, 0x403u, 0u, 0xFFFFFFFFu})
        EXPECT_EQ(ClassifyTrayMessage(m, kSix).action, TrayAction::None) << std::hex << m;
}

}  // namespace
}  // namespace core
