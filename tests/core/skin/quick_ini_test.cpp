#include "core/skin/quick_ini.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

core::TQuickIni Parse(const std::string& text) {
    core::TQuickIni ini;
    ini.Load(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return ini;
}

TEST(QuickIniLoad, SplitsOnEveryBreakAndDropsCommentsAndBlanks) {
    const auto ini = Parse("  [A]  \r\nk1=1\rk2=2\n\n; note\r\n\t\r\n  k3 = 3  \r\n[B]");
    const std::vector<std::string> want = {"[A]", "k1=1", "k2=2", "k3 = 3", "[B]"};
    EXPECT_EQ(ini.Lines(), want);
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].second, 0u);
    EXPECT_EQ(ini.Sections()[1].second, 4u);
}

TEST(QuickIniLoad, TextEndsAtFirstNul) {
    const std::string text("[S]\r\na=1\0\r\nb=2", 14);
    const auto ini = Parse(text);
    EXPECT_EQ(ini.ReadString("S", "a", "x"), "1");
    EXPECT_EQ(ini.ReadString("S", "b", "x"), "x");
}

TEST(QuickIniLoad, HugeLineWithoutBreakAndEmptyInput) {
    std::string big = "[S]\nk=" + std::string(200000, 'v');
    const auto ini = Parse(big);
    EXPECT_EQ(ini.ReadString("S", "k", "").size(), 200000u);
    core::TQuickIni empty;
    empty.Load(nullptr, 0);
    EXPECT_TRUE(empty.Lines().empty());
    EXPECT_EQ(empty.ReadString("S", "k", "d"), "d");
}

TEST(QuickIniRead, SectionAndKeyIgnoreCase) {
    const auto ini = Parse("[progress]\nrightwidth=7\n");
    EXPECT_EQ(ini.ReadInteger("Progress", "RightWidth", 0), 7);
    EXPECT_EQ(ini.ReadString("PROGRESS", "RIGHTWIDTH", ""), "7");
}

TEST(QuickIniRead, FirstMatchingKeyWinsEvenWhenEmpty) {
    const auto ini = Parse("[S]\nImage=\nImage=later.bmp\nOther=a=b\n");
    EXPECT_EQ(ini.ReadString("S", "Image", "def"), "def")
        << "an empty first line hides the later one";
    EXPECT_EQ(ini.ReadString("S", "Other", ""), "a=b") << "only the first '=' splits";
}

TEST(QuickIniRead, LookupStopsAtNextHeaderAndUsesFirstSectionOfAName) {
    const auto ini = Parse("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\n[C\nw=4\n");
    EXPECT_EQ(ini.ReadString("A", "y", "-"), "-");
    EXPECT_EQ(ini.ReadString("A", "z", "-"), "-") << "the second [A] is never reached";
    EXPECT_EQ(ini.ReadString("B", "w", "-"), "-");
    EXPECT_EQ(ini.ReadString("B", "z", "-"), "-");
    EXPECT_EQ(ini.ReadString("Missing", "x", "-"), "-");
}

TEST(QuickIniRead, LinesWithoutEqualsHaveEmptyKeys) {
    const auto ini = Parse("[S]\njustText\nk=v\n");
    EXPECT_EQ(ini.ReadString("S", "justText", "-"), "-");
    EXPECT_EQ(ini.ReadString("S", "k", "-"), "v");
}

TEST(QuickIniInteger, HexDecimalAndFailures) {
    const auto ini = Parse(
        "[N]\nhex=0x1F\nHEX=0X10\ndollar=$ff\ndec=-42\nbad=12abc\nzx=0x\nbig=4294967296\n"
        "max=2147483647\nover=2147483648\nmin=-2147483648\nall=0xFFFFFFFF\nsp=1 2\n");
    EXPECT_EQ(ini.ReadInteger("N", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "dollar", 0), 255);
    EXPECT_EQ(ini.ReadInteger("N", "dec", 0), -42);
    EXPECT_EQ(ini.ReadInteger("N", "bad", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "zx", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "big", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "max", 5), 2147483647);
    EXPECT_EQ(ini.ReadInteger("N", "over", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "min", 5), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("N", "all", 5), -1);
    EXPECT_EQ(ini.ReadInteger("N", "sp", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "absent", 9), 9);
}

TEST(QuickIniSections, NamesInFileOrderWithoutBrackets) {
    const auto ini = Parse("[ One ]\n[Two]\nx=1\n[Three.Sub]\n");
    std::vector<std::string> names = {"stale"};
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two", "Three.Sub"}));
}

}  // namespace
