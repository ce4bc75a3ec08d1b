#include "core/skin/frame_rules.h"

#include <gtest/gtest.h>

#include "core/skin/test_skin.h"

namespace {

using namespace core;
namespace ws = core::winbits;

TEST(FrameRules, FrameKindByStyleThenDialogClassesAndExtendedStyle) {
    const uint32_t caption = ws::kCaption;
    struct Row {
        uint32_t style, exStyle;
        const char* cls;
        TFrameKind kind;
    } rows[] = {
        {ws::kPopup, 0, "TForm1", fkNone},                          // the clock: no caption
        {ws::kPopup | ws::kSysMenu | 0x00800000u, 0, "X", fkNone},  // border only
        {caption | ws::kThickFrame, 0, "X", fkSizeable},
        {caption | ws::kDsModalFrame, 0, "X", fkDialog},
        {caption | ws::kThickFrame | ws::kDsModalFrame, 0, "X", fkSizeable},
        {caption, 0, "X", fkSingle},
        {caption | ws::kThickFrame, ws::kExDlgModalFrame, "X", fkDialog},
        {caption | ws::kThickFrame, 0, "#32770", fkDialog},
        {caption, 0, "TMessageForm", fkDialog},
        {ws::kPopup, 0, "#32770", fkDialog},  // whatever the style
    };
    for (const Row& r : rows)
        EXPECT_EQ(FrameKindOf(r.style, r.exStyle, r.cls), r.kind) << r.cls << " " << r.style;
}

TEST(FrameRules, BorderIconsAndTheCaptionToggleOfSomeSystems) {
    const TSystemVersion win7{true, 6, 1}, vista{true, 6, 0}, win98{false, 4, 10};
    const uint32_t style = ws::kCaption | ws::kMinimizeBox;
    TBorderIcons i = BorderIconsOf(style, 0, true, true, win7);
    EXPECT_TRUE(i.systemMenu) << "a system menu counts without the style bit";
    EXPECT_TRUE(i.minimize);
    EXPECT_FALSE(i.maximize);
    EXPECT_FALSE(i.captionToggle);
    EXPECT_FALSE(BorderIconsOf(style, 0, false, true, win7).systemMenu);

    struct Row {
        uint32_t exStyle;
        bool owned;
        TSystemVersion v;
        bool toggle;
    } rows[] = {
        {0, false, vista, true},
        {0, true, vista, false},
        {ws::kExAppWindow, true, vista, true},
        {ws::kExMdiChild, false, vista, false},
        {0, false, win7, false},
        {0, false, win98, false},
        {0, false, TSystemVersion{true, 4, 0}, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(BorderIconsOf(style, r.exStyle, false, r.owned, r.v).captionToggle, r.toggle)
            << r.exStyle << " owned " << r.owned << " " << r.v.major << "." << r.v.minor;
}

TEST(FrameRules, MetricsFromTheBorderPicturesAndNoneWithoutAFrame) {
    auto skin = skintest::FrameSkin().Read();
    EXPECT_EQ(FrameMetricsOf(*skin, fkDialog), (TFrameMetrics{4, 24, 4, 3, 0}));
    EXPECT_EQ(FrameMetricsOf(*skin, fkNone), TFrameMetrics{});
}

TEST(FrameRules, SkinnedSizeKeepsTheClientAndWidensDialogsForTheirCaption) {
    TDataSkinTitle title;
    title.LeftWidth = 26;   // text shift
    title.RightWidth = 84;  // right clip
    const TFrameMetrics m{5, 28, 5, 5, 19};
    TSkinnedSize s = SkinnedWindowSize(300, 200, m, false, fkDialog, 100, title);
    EXPECT_EQ(s.width, 310);
    EXPECT_EQ(s.height, 233);
    EXPECT_EQ(s.childShift, 0);
    EXPECT_EQ(SkinnedWindowSize(300, 200, m, true, fkSingle, 0, title).height, 252);

    s = SkinnedWindowSize(100, 50, m, false, fkDialog, 250, title);
    EXPECT_EQ(s.width, 360);
    EXPECT_EQ(s.childShift, 125);
    EXPECT_EQ(SkinnedWindowSize(100, 50, m, false, fkSingle, 250, title).width, 110)
        << "only dialog frames are widened";
}

TEST(FrameRules, HitTestTurnsNowhereAndCaptionIntoCaptionOrMenu) {
    struct Row {
        int system, y;
        bool menuBar;
        int expected;
    } rows[] = {
        {hit::kNowhere, 10, false, hit::kCaption}, {hit::kNowhere, 3, false, hit::kNowhere},
        {hit::kCaption, 2, false, hit::kCaption},  {hit::kCaption, 30, true, hit::kMenu},
        {hit::kNowhere, 27, true, hit::kCaption},  {hit::kNowhere, 28, true, hit::kMenu},
        {hit::kClient, 10, false, hit::kClient},   {hit::kSysMenu, 10, false, hit::kSysMenu},
        {16 /* left edge */, 40, true, 16},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SkinHitTest(r.system, r.y, 28, r.menuBar), r.expected)
            << r.system << " at " << r.y;
}

TEST(FrameRules, CaptionButtonAndDoubleClickCommands) {
    struct Row {
        int action;
        TWindowState state;
        TFrameCommand command;
    } rows[] = {
        {0, wsNormal, TFrameCommand::Close},        {1, wsNormal, TFrameCommand::Maximize},
        {22, wsMaximized, TFrameCommand::Restore},  {2, wsNormal, TFrameCommand::Minimize},
        {23, wsMinimized, TFrameCommand::Restore},  {2, wsMaximized, TFrameCommand::Minimize},
        {3, wsNormal, TFrameCommand::SystemMenu},   {12, wsNormal, TFrameCommand::SystemMenu},
        {60, wsNormal, TFrameCommand::MdiMinimize}, {8, wsNormal, TFrameCommand::MdiRestore},
        {62, wsNormal, TFrameCommand::MdiClose},    {5, wsNormal, TFrameCommand::PostAction},
        {-1, wsNormal, TFrameCommand::PostAction},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CaptionButtonCommand(r.action, r.state), r.command) << r.action;

    EXPECT_EQ(FrameDoubleClickCommand(true, wsMaximized, true), TFrameCommand::Close);
    EXPECT_EQ(FrameDoubleClickCommand(false, wsMaximized, false), TFrameCommand::Restore);
    EXPECT_EQ(FrameDoubleClickCommand(false, wsMinimized, true), TFrameCommand::Restore);
    EXPECT_EQ(FrameDoubleClickCommand(false, wsNormal, true), TFrameCommand::Maximize);
    EXPECT_EQ(FrameDoubleClickCommand(false, wsNormal, false), TFrameCommand::None);
}

}  // namespace
