#include "core/skin/lzh.h"

#include <gtest/gtest.h>

#include <string>

#include "core/skin/lhasa_oracle.h"

namespace {

using namespace core::lzh;
using core::Bytes;

// Builds a bit stream by hand: symbols by their current code in a tree kept in step with the
// decoder's, everything else as literal bit strings.
class HandStream {
  public:
    void Symbol(int symbol) {
        std::string path;
        for (int node = tree_.Parent(symbol + kNodeCount); node != kRoot;) {
            int parent = tree_.Parent(node);
            path += char('0' + node - tree_.Child(parent));
            node = parent;
        }
        bits_.append(path.rbegin(), path.rend());
        tree_.UpdateTree(symbol);
    }
    void Literal(char c) { Symbol(uint8_t(c)); }
    void Match(int length, const char* distanceBits) {
        Symbol(MatchSymbol(length));
        bits_ += distanceBits;
    }
    Bytes Get() const {
        Bytes b((bits_.size() + 7) / 8, 0);
        for (size_t i = 0; i < bits_.size(); ++i) {
            if (bits_[i] == '1')
                b[i / 8] |= uint8_t(0x80 >> (i % 8));
        }
        return b;
    }

  private:
    LzhTree tree_;
    std::string bits_;
};

std::string Text(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

Bytes Unpack(const Bytes& stream, uint32_t size, bool* overrun = nullptr) {
    Bytes out;
    core::TLZH lzh;
    lzh.SetInput(stream.data(), stream.size());
    lzh.SetOutput(&out);
    lzh.Unpack(size);
    if (overrun)
        *overrun = lzh.Overrun();
    return out;
}

TEST(LzhDecoder, DecodesLiteralsAndMatchesIntoTheInitialSpaces) {
    HandStream s;
    s.Literal('A');
    // Distance 100: upper part 1 has the 4-bit code 0010, then the low six bits 100100.
    s.Match(5,
            "0010"
            "100100");
    s.Literal('z');
    EXPECT_EQ(Text(Unpack(s.Get(), 7)), "A     z");
#if defined(HAVE_LHASA)
    EXPECT_EQ(Text(testing_lhasa::Decode(s.Get(), 7)), "A     z");
#endif
}

TEST(LzhDecoder, MatchOverlappingItsOwnOutputRepeatsTheLastBytes) {
    HandStream s;
    s.Literal('a');
    s.Literal('b');
    s.Match(7,
            "000"
            "000001");  // distance 1: two bytes back, seven bytes long
    s.Literal('c');
    s.Match(3,
            "000"
            "000000");  // distance 0: the byte just written, three times
    EXPECT_EQ(Text(Unpack(s.Get(), 13)), "ababababacccc");
#if defined(HAVE_LHASA)
    EXPECT_EQ(Text(testing_lhasa::Decode(s.Get(), 13)), "ababababacccc");
#endif
}

TEST(LzhDecoder, CopiesTheWholeLastMatchButLzhDecodeKeepsTheDeclaredSize) {
    HandStream s;
    s.Literal('x');
    s.Match(60,
            "000"
            "000000");
    Bytes whole = Unpack(s.Get(), 2);
    EXPECT_EQ(whole.size(), 61u) << "the match that crosses the declared size is copied whole";
    EXPECT_EQ(Text(whole), std::string(61, 'x'));
    EXPECT_EQ(Text(core::LzhDecode(s.Get().data(), s.Get().size(), 2)), "xx");
}

TEST(LzhDecoder, RingPositionsNotYetWrittenReadAsSpaces) {
    // Distances 4036..4095 at the start point behind the write position, into ring bytes that
    // only the whole-ring fill defines.
    for (const char* low : {"000100", "111110", "111111"}) {
        HandStream s;
        s.Match(4, (std::string("11111111") + low).c_str());
        s.Literal('!');
        EXPECT_EQ(Text(Unpack(s.Get(), 5)), "    !") << low;
#if defined(HAVE_LHASA)
        EXPECT_EQ(Text(testing_lhasa::Decode(s.Get(), 5)), "    !") << low;
#endif
    }
}

TEST(LzhDecoder, ExhaustedInputReadsAsZeroBitsAndIsReported) {
    bool overrun = false;
    Bytes none = Unpack(Bytes{}, 300, &overrun);
    EXPECT_GE(none.size(), 300u);
    EXPECT_TRUE(overrun);

    HandStream s;
    s.Literal('q');
    s.Literal('r');
    Bytes full = s.Get();
    Bytes out = Unpack(full, 2, &overrun);
    EXPECT_EQ(Text(out), "qr");
    EXPECT_FALSE(overrun) << "a complete stream is not an overrun";

    // The same stream cut short decodes on with zero bits instead.
    Bytes cut(full.begin(), full.begin() + 1);
    Bytes zeros = full;
    for (size_t i = 1; i < zeros.size(); ++i)
        zeros[i] = 0;
    Bytes fromCut = Unpack(cut, 50, &overrun);
    EXPECT_TRUE(overrun);
    EXPECT_EQ(fromCut, Unpack(zeros, 50));
}

TEST(LzhDecoder, RefusesADeclaredSizeBeyondTheLimit) {
    Bytes stream(16, 0);
    EXPECT_THROW(Unpack(stream, kMaxDecodedSize + 1), core::ElzhException);
    EXPECT_THROW(core::LzhDecode(stream.data(), stream.size(), 0xFFFFFFFFu), core::ElzhException);
    EXPECT_EQ(Unpack(Bytes{}, 0).size(), 0u) << "an empty archive decodes to nothing";
}

TEST(LzhDistanceTables, CodesFollowTheRunsAndDecodeBackToTheirValue) {
    const DistanceTables& t = GetDistanceTables();
    int perLength[9] = {};
    for (int i = 0; i < 256; ++i) {
        ASSERT_GE(t.length[i], 3);
        ASSERT_LE(t.length[i], 8);
        ++perLength[t.length[i]];
        if (i > 0) {
            EXPECT_GE(t.high[i], t.high[i - 1]);
        }
    }
    // 1 value x 32, 3 x 16, 8 x 8, 12 x 4, 24 x 2 and 16 x 1 entries.
    EXPECT_EQ(perLength[3], 32);
    EXPECT_EQ(perLength[4], 48);
    EXPECT_EQ(perLength[5], 64);
    EXPECT_EQ(perLength[6], 48);
    EXPECT_EQ(perLength[7], 48);
    EXPECT_EQ(perLength[8], 16);
    EXPECT_EQ(t.high[255], 63);
    for (int u = 0; u < 64; ++u) {
        int len = t.codeLength[u];
        // Every 8-bit continuation of the code must land on an entry of the same value.
        for (int rest = 0; rest < (1 << (8 - len)); ++rest) {
            int index = (t.code[u] << (8 - len)) | rest;
            ASSERT_EQ(t.high[index], u);
            ASSERT_EQ(t.length[index], len);
        }
    }
}

// Checks the tree's structure: links agree both ways, counts are ordered and each inner node
// counts its children.
void ExpectConsistent(const LzhTree& t) {
    for (int n = 0; n < kNodeCount; ++n) {
        if (n > 0) {
            ASSERT_LE(t.Frequency(n - 1), t.Frequency(n)) << "node " << n;
        }
        int c = t.Child(n);
        ASSERT_GE(c, 0);
        if (c >= kNodeCount) {
            ASSERT_LT(c, kNodeCount + kSymbolCount);
            ASSERT_EQ(t.Parent(c), n);
        } else {
            ASSERT_LT(c + 1, kNodeCount);
            ASSERT_EQ(t.Parent(c), n);
            ASSERT_EQ(t.Parent(c + 1), n);
            ASSERT_EQ(t.Frequency(n), t.Frequency(c) + t.Frequency(c + 1)) << "node " << n;
        }
    }
}

TEST(LzhTree, FirstRebuildComesWithTheUpdateAfterThe32454thSymbol) {
    LzhTree t;
    EXPECT_EQ(t.Frequency(kRoot), kSymbolCount);
    for (int i = 0; i < 32454; ++i)
        t.UpdateTree(i % 3 == 0 ? 'e' : i % kSymbolCount);
    EXPECT_EQ(t.Frequency(kRoot), kFrequencyLimit);
    EXPECT_EQ(t.RebuildCount(), 0);
    t.UpdateTree('e');
    EXPECT_EQ(t.RebuildCount(), 1);
    EXPECT_LT(t.Frequency(kRoot), kFrequencyLimit / 2 + kSymbolCount + 1);
    ExpectConsistent(t);
}

TEST(LzhTree, StaysConsistentThroughSkewedUpdatesAndRebuilds) {
    LzhTree t;
    ExpectConsistent(t);
    unsigned x = 12345;
    for (int i = 0; i < 120000; ++i) {
        x = x * 1103515245u + 12345u;
        // Mostly a few symbols, sometimes any: deep and shallow leaves both move.
        int symbol = (x >> 16) % 8 ? int((x >> 20) % 4) : int((x >> 8) % kSymbolCount);
        t.UpdateTree(symbol);
        if (i % 20000 == 0) {
            ExpectConsistent(t);
        }
    }
    EXPECT_GE(t.RebuildCount(), 3);
    ExpectConsistent(t);
}

}  // namespace
