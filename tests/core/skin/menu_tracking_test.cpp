#include "core/skin/menu_tracking.h"

#include <gtest/gtest.h>

namespace {

using core::TMenuTrackAction;
using core::TMenuTrackEvent;
using Kind = core::TMenuTrackEventKind;
using Key = core::TMenuTrackKey;

const auto kOpen = TMenuTrackAction::OpenItem, kNone = TMenuTrackAction::None,
           kEnd = TMenuTrackAction::EndTracking;

TMenuTrackEvent KeyDown(Key key) {
    return TMenuTrackEvent{Kind::KeyDown, key};
}
TMenuTrackEvent Select(bool firstLevel, bool hasSubmenu, bool closing = false) {
    return TMenuTrackEvent{Kind::MenuSelect, Key::Other, firstLevel, hasSubmenu, closing};
}
TMenuTrackEvent Move(int x, int y) {
    return TMenuTrackEvent{Kind::MouseMove, Key::Other, true, false, false, x, y};
}

// Tracking item `item` of a bar whose item 2 has no caption; left to right the others span
// x 6..46, 46..76 and 76..116 of y 20..39. The first call is already made.
core::TMenuBarTracker Tracking(int item, bool rightToLeft = false, int cx = 0, int cy = 0) {
    std::vector<core::TMenuBarItem> items(4);
    items[0].captionWidth = 30;
    items[1].captionWidth = 20;
    items[2].hasCaption = false;
    items[3].captionWidth = 30;
    core::LayoutMenuBar(items, core::Rect{0, 20, 300, 40}, nullptr, rightToLeft);
    core::TMenuBarTracker t;
    t.Begin(items, item, rightToLeft, cx, cy);
    const auto first = t.Feed(TMenuTrackEvent{});
    EXPECT_TRUE(first.postDownArrow);
    EXPECT_EQ(first.action, kNone);
    EXPECT_FALSE(t.Feed(TMenuTrackEvent{}).postDownArrow);
    return t;
}

TEST(MenuTracking, ArrowsMoveAlongTheBarWithWrapAround) {
    const struct {
        bool rtl;
        int current;
        Key key;
        bool firstLevel, hasSubmenu;
        TMenuTrackAction action;
        int item;
    } cases[] = {
        {false, 3, Key::Right, true, false, kOpen, 0},   // last to first
        {false, 0, Key::Left, true, false, kOpen, 3},    // first to last
        {false, 1, Key::Right, true, false, kOpen, 3},   // past the captionless item
        {false, 1, Key::Right, true, true, kNone, -1},   // Right opens the item's submenu
        {false, 1, Key::Left, false, false, kNone, -1},  // Left closes a deeper level
        {true, 3, Key::Left, true, false, kOpen, 0},     // right to left: the arrows trade
        {true, 0, Key::Right, true, false, kOpen, 3},   {true, 1, Key::Left, true, true, kNone, -1},
        {true, 1, Key::Right, false, false, kNone, -1},
    };
    for (const auto& c : cases) {
        auto t = Tracking(c.current, c.rtl);
        t.Feed(Select(c.firstLevel, c.hasSubmenu));
        const auto a = t.Feed(KeyDown(c.key));
        EXPECT_EQ(a.action, c.action) << c.rtl << c.current << int(c.key);
        EXPECT_EQ(a.item, c.item) << c.rtl << c.current << int(c.key);
    }
}

TEST(MenuTracking, ClosingEndsTrackingUnlessMovingOn) {
    auto t = Tracking(0);
    EXPECT_EQ(t.Feed(Select(true, false, true)).action, kEnd);

    t = Tracking(0);
    EXPECT_EQ(t.Feed(KeyDown(Key::Right)).action, kOpen);
    EXPECT_EQ(t.Feed(KeyDown(Key::Right)).action, kNone);  // would open twice
    EXPECT_EQ(t.Feed(Select(true, false, true)).action, kNone);

    t = Tracking(0);
    t.Feed(KeyDown(Key::Right));
    t.Feed(KeyDown(Key::Escape));  // ends the move mode
    EXPECT_EQ(t.Feed(Select(true, false, true)).action, kEnd);

    t = Tracking(0);
    EXPECT_EQ(t.Feed(KeyDown(Key::Alt)).action, kEnd);
    EXPECT_EQ(t.Feed(Select(true, false, true)).action, kNone);  // ended once
}

TEST(MenuTracking, MouseOpensAnotherItemOnlyWhenItReallyMoved) {
    auto t = Tracking(0, false, 60, 30);  // opened by keyboard, the cursor resting on item 1
    EXPECT_EQ(t.Feed(Move(60, 30)).action, kNone);
    EXPECT_EQ(t.Feed(Move(20, 30)).action, kNone);   // its own item
    EXPECT_EQ(t.Feed(Move(200, 30)).action, kNone);  // no item
    const auto a = t.Feed(Move(61, 30));
    EXPECT_EQ(a.action, kOpen);
    EXPECT_EQ(a.item, 1);
}

}  // namespace
