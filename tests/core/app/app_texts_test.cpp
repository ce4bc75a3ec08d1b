// The application title and the error box's text rule.
#include <gtest/gtest.h>

#include "core/app/app_texts.h"

namespace {

TEST(ApplicationTitleTest, FileNameWithoutFolderCutAtFirstDotRestLowerCase) {
    EXPECT_EQ(core::ApplicationTitle("C:\\Clocks\\SampleClock.exe"), "Sampleclock");
    EXPECT_EQ(core::ApplicationTitle("C:\\a.b\\MY.CLOCK.EXE"), "My");
    EXPECT_EQ(core::ApplicationTitle("/x/y/clock"), "clock");
    EXPECT_EQ(core::ApplicationTitle("D:\\.hidden.exe"), "");
    EXPECT_EQ(core::ApplicationTitle("ABC"), "Abc");
}

TEST(ErrorBoxTextTest, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(core::ErrorBoxText("Stream read error"), "Stream read error.");
    EXPECT_EQ(core::ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(core::ErrorBoxText("Stop!"), "Stop!");  // '!' sorts before '.'
    EXPECT_EQ(core::ErrorBoxText("Why?"), "Why?.");   // '?' sorts after '.'
    EXPECT_EQ(core::ErrorBoxText("Path \"a\""), "Path \"a\"");
    EXPECT_EQ(core::ErrorBoxText("Code 7"), "Code 7.");
    EXPECT_EQ(core::ErrorBoxText("\xE9t\xE9"), "\xE9t\xE9.");  // high bytes sort after
    EXPECT_EQ(core::ErrorBoxText(""), "");
}

}  // namespace
