#include "core/skin/lzh_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/skin/codec_test_data.h"
#include "core/skin/lhasa_oracle.h"
#include "core/skin/lzh.h"

namespace {

using namespace core::lzh;
using core::Bytes;

// Encodes, then decodes with ours and (when present) the third-party decoder.
void ExpectRoundTrip(const Bytes& data, const char* what) {
    Bytes packed = core::LzhEncode(data.data(), data.size());
    Bytes back = core::LzhDecode(packed.data(), packed.size(), uint32_t(data.size()));
    ASSERT_EQ(back.size(), data.size()) << what;
    EXPECT_TRUE(back == data) << what << ": our decoder differs";
#if defined(HAVE_LHASA)
    EXPECT_TRUE(testing_lhasa::Decode(packed, data.size()) == data)
        << what << ": the -lh1- reference decoder differs";
#endif
}

TEST(LzhEncoder, SmallAndDegenerateInputsRoundTrip) {
    ExpectRoundTrip(Bytes{}, "empty");
    ExpectRoundTrip(Bytes{'x'}, "one byte");
    ExpectRoundTrip(Bytes{'a', 'b'}, "two bytes");
    ExpectRoundTrip(Bytes(3, ' '), "three spaces");
    ExpectRoundTrip(Bytes(100000, ' '), "spaces like the initial ring");
    ExpectRoundTrip(Bytes(70000, 0), "zeros");
    ExpectRoundTrip(codec_test::RandomBytes(5000, 1, 2), "two symbols");
    // Every symbol once, then the 60-byte run lengths around the window edge.
    Bytes all;
    for (int i = 0; i < 256; ++i)
        all.push_back(uint8_t(i));
    for (int i = 0; i < 4200; ++i)
        all.push_back(uint8_t(i % 61));
    ExpectRoundTrip(all, "every byte, then period 61");
}

TEST(LzhEncoder, LargeInputsRoundTripAcrossManyTreeRebuilds) {
    ExpectRoundTrip(codec_test::RandomBytes(1 << 20, 7), "random");
    ExpectRoundTrip(codec_test::RandomBytes(600000, 8, 5), "random over 5 symbols");
    ExpectRoundTrip(codec_test::Text(2 << 20, 9), "text");
    ExpectRoundTrip(codec_test::Bitmap(640, 480, 10), "bitmap");
}

TEST(LzhEncoder, CompressesWhatRepeatsAndBarelyGrowsWhatDoesNot) {
    Bytes spaces(200000, ' ');
    EXPECT_LT(core::LzhEncode(spaces.data(), spaces.size()).size(), 200000u / 60 * 2);
    Bytes text = codec_test::Text(300000, 3);
    EXPECT_LT(core::LzhEncode(text.data(), text.size()).size(), text.size() * 2 / 5);
    Bytes noise = codec_test::RandomBytes(300000, 4);
    EXPECT_LT(core::LzhEncode(noise.data(), noise.size()).size(), noise.size() * 101 / 100);
}

TEST(LzhEncoder, RefusesInputBeyondTheDecoderLimit) {
    uint8_t byte = 0;
    // The size is checked before the data is touched.
    EXPECT_THROW(core::LzhEncode(&byte, size_t(kMaxDecodedSize) + 1), core::ElzhException);
}

// The plain search the finder must agree with: longest, then nearest, within the window.
int BruteForce(const Bytes& text, int pos, int maxLength, int& from) {
    int best = 0;
    for (int cand = pos - 1; cand >= 0 && pos - cand <= kWindowSize; --cand) {
        int len = 0;
        while (len < maxLength && text[cand + len] == text[pos + len])
            ++len;
        if (len > best) {
            best = len;
            from = cand;
        }
    }
    return best > kThreshold ? best : 0;
}

TEST(LzhMatchFinder, FindsTheLongestNearestMatchInsideTheWindow) {
    for (int alphabet : {2, 3, 16}) {
        Bytes data = codec_test::RandomBytes(12000, unsigned(alphabet), alphabet);
        Bytes text(kInitialFill + data.size(), ' ');
        std::copy(data.begin(), data.end(), text.begin() + kInitialFill);
        // Some spaces, so that matches reach into the initial fill at the start.
        for (int i = 0; i < 20; ++i)
            text[kInitialFill + 5 + i] = ' ';
        core::LzhMatchFinder finder(text);
        for (int p = 0; p < kInitialFill; ++p)
            finder.Insert(p);
        const int end = int(text.size());
        for (int pos = kInitialFill; pos < end; ++pos) {
            int maxLength = std::min(kLongestMatch, end - pos);
            int from = -1, expectedFrom = -1;
            int len = finder.Find(pos, maxLength, from);
            int expected = BruteForce(text, pos, maxLength, expectedFrom);
            ASSERT_EQ(len, expected) << "alphabet " << alphabet << " at " << pos;
            if (len) {
                ASSERT_EQ(from, expectedFrom) << "alphabet " << alphabet << " at " << pos;
            }
            finder.Insert(pos);
        }
    }
}

}  // namespace
