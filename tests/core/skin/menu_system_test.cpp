#include "core/skin/menu_system.h"

#include <gtest/gtest.h>

namespace {

using core::TSystemMenuWindow;

TEST(SystemMenu, StatesFollowTheWindow) {
    const std::vector<core::TSystemMenuEntry> menu = {
        {"&Restore", core::kScRestore},
        {"&Move", core::kScMove},
        {"&Size", core::kScSize},
        {"Mi&nimize", core::kScMinimize},
        {"Ma&ximize", core::kScMaximize},
        {"", 0},
        {"&Close\tAlt+F4", core::kScClose, false, false, true},
        {"&Help", 0x1234, true, true}};
    struct Case {
        TSystemMenuWindow window;  // maximised, minimised, minimise box, maximise box, sizeable
        const char* enabled;       // restore, move, size, minimise, maximise
    };
    const Case cases[] = {{{false, false, true, true, true}, "01111"},
                          {{true, false, true, true, true}, "10010"},
                          {{false, true, true, true, true}, "11001"},
                          {{false, false, false, false, true}, "01100"},
                          {{false, false, true, true, false}, "01011"}};
    for (const Case& c : cases) {
        const auto items = core::SkinnedSystemMenuItems(menu, c.window);
        std::string enabled;
        for (size_t i = 0; i < 5; ++i)
            enabled += items[i].enabled ? '1' : '0';
        EXPECT_EQ(enabled, c.enabled);
    }
    const auto items = core::SkinnedSystemMenuItems(menu, TSystemMenuWindow{});
    const int glyphs[] = {0, -1, -1, 2, 1, -1, 3, -1};
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].glyph, glyphs[i]) << i;
    EXPECT_EQ(items[5].caption, "-");
    EXPECT_EQ(items[6].shortcut, "Alt+F4");
    EXPECT_TRUE(items[7].checked && !items[7].enabled);  // the application's own item as it was
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].isDefault, i == 6) << "only the default item is bold: " << i;

    const auto nt4 = core::Nt4SystemMenuItems(TSystemMenuWindow{true, false, true, true, true});
    ASSERT_EQ(nt4.size(), 5u);
    EXPECT_TRUE(nt4[0].enabled && !nt4[2].enabled);  // restore, but no maximise
    EXPECT_EQ(nt4[3].caption + nt4[4].shortcut, "-ALT+F4");
}

}  // namespace
