#include "core/app/clock_menu.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace core {
namespace {

TEST(ClockMenuTest, NamesAreUniqueAndEveryCommandHasAHandler) {
    std::set<std::string> names;
    for (const ClockMenuItem& item : kPopupMenu1) {
        EXPECT_TRUE(names.insert(item.name).second) << item.name;
        if (item.kind == MenuItemKind::Separator) {
            EXPECT_STREQ(item.caption, "-");
            EXPECT_EQ(item.handler, nullptr);
        } else {
            ASSERT_NE(item.handler, nullptr) << item.name;
            EXPECT_EQ(std::string(item.handler), std::string(item.name) + "Click");
        }
    }
    EXPECT_EQ(names.size(), 9u);
}

TEST(ClockMenuTest, AcceleratorsOfTheCommandsDoNotClash) {
    std::set<char> keys;
    for (const ClockMenuItem& item : kPopupMenu1) {
        if (item.kind == MenuItemKind::Separator)
            continue;
        char key = MenuAccelerator(item.caption);
        EXPECT_NE(key, 0) << item.name;
        EXPECT_TRUE(keys.insert(key).second) << item.name;
    }
    EXPECT_EQ(MenuAccelerator(kShowCaption), 'S');
    EXPECT_EQ(keys.count('S'), 0u);  // "&Show" replaces "&Hide" without a clash
}

TEST(ClockMenuTest, AcceleratorSkipsDoubledAmpersands) {
    EXPECT_EQ(MenuAccelerator("Salt && &Pepper"), 'P');
    EXPECT_EQ(MenuAccelerator("a&&b"), 0);
    EXPECT_EQ(MenuAccelerator("trailing&"), 0);
    EXPECT_EQ(MenuAccelerator(""), 0);
}

TEST(ClockMenuTest, FindsItemsByName) {
    const ClockMenuItem* item = FindClockMenuItem("muAutoRun");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->kind, MenuItemKind::AutoCheck);
    EXPECT_EQ(FindClockMenuItem("Hide1")->caption, std::string(kHideCaption));
    EXPECT_EQ(FindClockMenuItem("muautorun"), nullptr);
    EXPECT_EQ(FindClockMenuItem(""), nullptr);
}

TEST(ClockMenuTest, HideCaptionTogglesOnlyFromExactHide) {
    EXPECT_EQ(NextHideCaption("&Hide"), "&Show");
    EXPECT_EQ(NextHideCaption("&Show"), "&Hide");
    EXPECT_EQ(NextHideCaption("&hide"), "&Hide");
    EXPECT_EQ(NextHideCaption(""), "&Hide");
    EXPECT_EQ(NextHideCaption(NextHideCaption("&Hide")), "&Hide");
}

}  // namespace
}  // namespace core
