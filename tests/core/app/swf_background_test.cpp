// The background colour of a movie, read for the movie stand-in.
#include <gtest/gtest.h>

#include <vector>

#include "core/app/swf_background.h"

namespace {

// A minimal uncompressed movie: header with a 5-bit-field frame rectangle, then the tags.
std::vector<uint8_t> Movie(const std::vector<uint8_t>& tags, char first = 'F') {
    std::vector<uint8_t> m = {uint8_t(first), 'W', 'S', 6, 0, 0, 0, 0};
    // nbits = 15: 5 + 60 bits = 65 bits -> 9 bytes.
    m.push_back(15 << 3);
    for (int i = 0; i < 8; ++i)
        m.push_back(0);
    m.insert(m.end(), {0x00, 0x0C, 0x01, 0x00});  // 12 fps, 1 frame
    m.insert(m.end(), tags.begin(), tags.end());
    return m;
}

std::vector<uint8_t> ShortTag(unsigned code, const std::vector<uint8_t>& body) {
    unsigned h = (code << 6) | unsigned(body.size());
    std::vector<uint8_t> t = {uint8_t(h), uint8_t(h >> 8)};
    t.insert(t.end(), body.begin(), body.end());
    return t;
}

TEST(SwfBackgroundTest, FindsTheColourTagAfterOtherTagsIncludingLongOnes) {
    std::vector<uint8_t> tags = ShortTag(69, {0, 0, 0, 0});  // file attributes
    // A long-form tag (length 0x3F marker, then 32-bit length 70).
    unsigned h = (2u << 6) | 0x3F;
    tags.insert(tags.end(), {uint8_t(h), uint8_t(h >> 8), 70, 0, 0, 0});
    tags.insert(tags.end(), 70, 0xAB);
    auto bg = ShortTag(9, {0x11, 0x22, 0x33});
    tags.insert(tags.end(), bg.begin(), bg.end());
    auto m = Movie(tags);
    auto c = core::SwfBackgroundColor(m.data(), m.size());
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(*c, 0x332211u);  // red 0x11 in the low byte
}

TEST(SwfBackgroundTest, CompressedMissingOrDamagedMoviesHaveNone) {
    auto bg = ShortTag(9, {1, 2, 3});
    auto compressed = Movie(bg, 'C');
    EXPECT_FALSE(core::SwfBackgroundColor(compressed.data(), compressed.size()));
    auto ended = Movie(ShortTag(0, {}));
    ended.insert(ended.end(), bg.begin(), bg.end());  // after the End tag: not read
    EXPECT_FALSE(core::SwfBackgroundColor(ended.data(), ended.size()));
    auto full = Movie(bg);
    for (size_t cut = 0; cut < full.size(); ++cut)
        EXPECT_FALSE(core::SwfBackgroundColor(full.data(), cut)) << cut;
    // A tag length that runs past the end, in long form with a huge value.
    auto lying = Movie({uint8_t(0xFF), 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_FALSE(core::SwfBackgroundColor(lying.data(), lying.size()));
    EXPECT_FALSE(core::SwfBackgroundColor(nullptr, 100));
}

}  // namespace
