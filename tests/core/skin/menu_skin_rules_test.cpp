#include "core/skin/menu_skin_rules.h"

#include <gtest/gtest.h>

namespace {

using core::TMenuKind;
using Origin = core::TPopupMenuOrigin;

TEST(MenuSkinRules, PopupWindowsByOrigin) {
    const core::TSkinControls bar{core::xcMainMenu}, item{core::xcMenuItem},
        system{core::xcSystemMenu}, popup{core::xcPopupMenu};
    const struct {
        Origin origin;
        core::TSkinControls controls;
        bool skinned;
    } cases[] = {{Origin::MenuBar, bar, true},       {Origin::MenuBar, item, true},
                 {Origin::MenuBar, popup, false},    {Origin::SystemMenu, system, true},
                 {Origin::SystemMenu, popup, false}, {Origin::Other, popup, true},
                 {Origin::Other, bar, false}};
    for (const auto& c : cases)
        EXPECT_EQ(core::SkinsPopupMenuWindow("#32768", false, false, c.origin, c.controls),
                  c.skinned);
    EXPECT_FALSE(core::SkinsPopupMenuWindow("#32768", true, false, Origin::Other, popup));
    EXPECT_FALSE(core::SkinsPopupMenuWindow("#32768", false, true, Origin::Other, popup));
    EXPECT_FALSE(core::SkinsPopupMenuWindow("#32770", false, false, Origin::Other, popup));
}

TEST(MenuSkinRules, FrameworkMenusAndTheirItems) {
    const core::TSkinControls popup{core::xcPopupMenu}, item{core::xcMenuItem};
    EXPECT_TRUE(core::SkinsFrameworkMenu(TMenuKind::PopupMenu, 0, 99, popup, "TForm1"));
    EXPECT_FALSE(core::SkinsFrameworkMenu(TMenuKind::PopupMenu, 99, 99, popup, "TForm1"));
    EXPECT_FALSE(core::SkinsFrameworkMenu(TMenuKind::MainMenu, 0, 99, popup, "TForm1"));
    EXPECT_TRUE(core::SkinsFrameworkMenu(TMenuKind::MainMenu, 7, 99, item, "TForm1"));
    EXPECT_FALSE(core::SkinsFrameworkMenu(TMenuKind::PopupMenu, 0, 99, popup, "TwwRichEditForm"));
    // (kind, depth, own draw, own measure) -> draw, measure
    const auto h = [](TMenuKind k, int depth, bool draw, bool measure) {
        const auto r = core::SkinMenuItemHandlers(k, depth, draw, measure);
        return std::make_pair(r.draw, r.measure);
    };
    EXPECT_EQ(h(TMenuKind::PopupMenu, 1, true, true), std::make_pair(true, false));
    EXPECT_EQ(h(TMenuKind::MainMenu, 1, false, false), std::make_pair(false, false));
    EXPECT_EQ(h(TMenuKind::MainMenu, 2, false, true), std::make_pair(true, false));
    EXPECT_EQ(h(TMenuKind::MainMenu, 3, true, false), std::make_pair(false, false));
}

}  // namespace
