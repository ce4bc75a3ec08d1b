#include "core/skin/skin_file.h"

#include <gtest/gtest.h>

#include "core/common/errors.h"
#include "core/skin/codec_test_data.h"
#include "core/skin/lzh.h"

namespace {

using core::Bytes;

TEST(SkinFile, CarriesTheDecodedLengthBeforeTheBitStream) {
    Bytes archive = codec_test::Text(50000, 21);
    Bytes file = core::EncodeSkinFile(archive);
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(core::GetU32(file.data()), 50000u);
    bool overrun = true;
    EXPECT_TRUE(core::DecodeSkinFile(file, &overrun) == archive);
    EXPECT_FALSE(overrun);
}

TEST(SkinFile, ShortOrOversizedFilesFailCleanly) {
    EXPECT_THROW(core::DecodeSkinFile(Bytes{1, 2, 3}), core::StreamError);
    Bytes huge = {0xFF, 0xFF, 0xFF, 0x7F, 0x00};
    EXPECT_THROW(core::DecodeSkinFile(huge), core::ElzhException);

    // A cut bit stream still gives the declared length, and says it ran short.
    Bytes file = core::EncodeSkinFile(codec_test::Text(20000, 22));
    file.resize(file.size() / 2);
    bool overrun = false;
    EXPECT_EQ(core::DecodeSkinFile(file, &overrun).size(), 20000u);
    EXPECT_TRUE(overrun);
}

TEST(SkinStreamValue, RoundTripsAndTreatsZeroOrNegativeAsNoSkin) {
    Bytes skin = {9, 8, 7, 6, 5};
    Bytes value = core::WriteSkinStreamValue(skin);
    ASSERT_EQ(value.size(), 9u);
    EXPECT_EQ(core::GetU32(value.data()), 5u);
    value.push_back(0xAA);  // whatever follows in the form stream is not taken
    Bytes read = {1};
    EXPECT_EQ(core::ReadSkinStreamValue(value.data(), value.size(), read), 9u);
    EXPECT_EQ(read, skin);

    Bytes none = core::WriteSkinStreamValue(Bytes{});
    EXPECT_EQ(none, (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(core::ReadSkinStreamValue(none.data(), none.size(), read), 4u);
    EXPECT_TRUE(read.empty());

    Bytes negative = {0xFE, 0xFF, 0xFF, 0xFF, 1, 2};
    read = {1};
    EXPECT_EQ(core::ReadSkinStreamValue(negative.data(), negative.size(), read), 4u);
    EXPECT_TRUE(read.empty());
}

TEST(SkinStreamValue, CutShortValueIsAStreamReadError) {
    Bytes read;
    Bytes cut = {10, 0, 0, 0, 1, 2, 3};
    try {
        core::ReadSkinStreamValue(cut.data(), cut.size(), read);
        FAIL() << "a value shorter than its length was accepted";
    } catch (const core::StreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    Bytes noLength = {1, 0};
    EXPECT_THROW(core::ReadSkinStreamValue(noLength.data(), noLength.size(), read),
                 core::StreamError);
}

}  // namespace
