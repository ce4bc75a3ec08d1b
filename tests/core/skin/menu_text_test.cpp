#include "core/skin/menu_text.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuCaption, AmpersandRule) {
    struct Case {
        const char *caption, *text;
        int underline;
    };
    const Case cases[] = {{"Always On &Tip", "Always On Tip", 10},
                          {"Salt && Pepper", "Salt & Pepper", -1},
                          {"&&&x", "&x", 1},
                          {"a&b&c", "abc", 1},  // only the first "&" underlines
                          {"End&", "End&", -1},
                          {"", "", -1}};
    for (const Case& c : cases) {
        const auto parsed = core::ParseMenuCaption(std::string(c.caption));
        EXPECT_EQ(parsed.text, c.text) << c.caption;
        EXPECT_EQ(parsed.underline, c.underline) << c.caption;
    }
    EXPECT_EQ(core::ParseMenuCaption(std::u16string(u"Fi&le")).text, u"File");
    EXPECT_EQ(core::SplitMenuShortcut(std::string("&Close\tAlt+F4")).second, "Alt+F4");
}

TEST(MenuMnemonic, FirstCaseInsensitiveMatch) {
    const std::vector<std::string> menu = {"&Alarms",   "&Hide",  "-",   "Always On &Tip",
                                           "Auto &Run", "A&bout", "&&x", "&Exit"};
    EXPECT_EQ(core::FindMenuMnemonic(menu, U'r'), 4);
    EXPECT_EQ(core::FindMenuMnemonic(menu, U'B'), 5);
    EXPECT_EQ(core::FindMenuMnemonic(menu, U'a'), 0);
    EXPECT_EQ(core::FindMenuMnemonic(menu, U'x'), -1);  // "&&x" is a literal ampersand
    // A code-page byte above 127 must not sign-extend: "&édition" answers the capital key.
    EXPECT_EQ(core::FindMenuMnemonic(std::vector<std::string>{"&\xE9"
                                                              "dition"},
                                     char32_t(0xC9)),
              0);
}

}  // namespace
