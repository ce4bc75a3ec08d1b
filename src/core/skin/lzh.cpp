#include "core/skin/lzh.h"

#include <cstring>
#include <new>

namespace core {

namespace lzh {

namespace {

DistanceTables BuildDistanceTables() {
    // Runs over the 256 first-byte values: how many upper-part values share a code length,
    // and how many table entries each of them fills.
    struct Run {
        int values;
        int entriesEach;
        int codeLength;
    };
    static const Run kRuns[] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5},
                                {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
    DistanceTables t{};
    int index = 0;
    int high = 0;
    for (const Run& run : kRuns) {
        for (int v = 0; v < run.values; ++v, ++high) {
            t.code[high] = uint8_t(index >> (8 - run.codeLength));
            t.codeLength[high] = uint8_t(run.codeLength);
            for (int e = 0; e < run.entriesEach; ++e, ++index) {
                t.high[index] = uint8_t(high);
                t.length[index] = uint8_t(run.codeLength);
            }
        }
    }
    return t;
}

}  // namespace

const DistanceTables& GetDistanceTables() {
    static const DistanceTables tables = BuildDistanceTables();
    return tables;
}

void LzhTree::InitTree() {
    for (int s = 0; s < kSymbolCount; ++s) {
        frequency_[s] = 1;
        child_[s] = int16_t(s + kNodeCount);
        parent_[s + kNodeCount] = int16_t(s);
    }
    for (int n = kSymbolCount, i = 0; n < kNodeCount; ++n, i += 2) {
        frequency_[n] = uint16_t(frequency_[i] + frequency_[i + 1]);
        child_[n] = int16_t(i);
        parent_[i] = parent_[i + 1] = int16_t(n);
    }
    frequency_[kNodeCount] = 0xFFFF;
    parent_[kRoot] = 0;
    rebuilds_ = 0;
}

void LzhTree::RebuildTree() {
    ++rebuilds_;
    int j = 0;
    for (int i = 0; i < kNodeCount; ++i) {
        if (child_[i] >= kNodeCount) {
            frequency_[j] = uint16_t((frequency_[i] + 1) / 2);
            child_[j] = child_[i];
            ++j;
        }
    }
    for (int k = kSymbolCount, i = 0; k < kNodeCount; ++k, i += 2) {
        uint16_t f = uint16_t(frequency_[i] + frequency_[i + 1]);
        int b = k;
        while (f < frequency_[b - 1])
            --b;
        std::memmove(&frequency_[b + 1], &frequency_[b], size_t(k - b) * sizeof frequency_[0]);
        std::memmove(&child_[b + 1], &child_[b], size_t(k - b) * sizeof child_[0]);
        frequency_[b] = f;
        child_[b] = int16_t(i);
    }
    for (int k = 0; k < kNodeCount; ++k) {
        int c = child_[k];
        parent_[c] = int16_t(k);
        if (c < kNodeCount)
            parent_[c + 1] = int16_t(k);
    }
}

void LzhTree::UpdateTree(int symbol) {
    if (frequency_[kRoot] == kFrequencyLimit)
        RebuildTree();
    int n = parent_[symbol + kNodeCount];
    do {
        uint16_t k = ++frequency_[n];
        int l = n + 1;
        if (frequency_[l] < k) {
            // The sentinel's count is above any k, so this stops inside the table.
            while (frequency_[l + 1] < k)
                ++l;
            frequency_[n] = frequency_[l];
            frequency_[l] = k;
            int i = child_[n];
            parent_[i] = int16_t(l);
            if (i < kNodeCount)
                parent_[i + 1] = int16_t(l);
            int j = child_[l];
            child_[l] = int16_t(i);
            parent_[j] = int16_t(n);
            if (j < kNodeCount)
                parent_[j + 1] = int16_t(n);
            child_[n] = int16_t(j);
            n = l;
        }
        n = parent_[n];
    } while (n != 0);
}

}  // namespace lzh

using namespace lzh;

struct TLZH::State {
    LzhTree tree;
    // The whole ring is filled, not only the part a valid stream can reach: a corrupt stream
    // may point anywhere in it.
    uint8_t ring[kWindowSize + kLongestMatch - 1];
};

TLZH::TLZH() {
    state_ = new (std::nothrow) State;
    if (!state_)
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
}

TLZH::~TLZH() {
    delete state_;
}

void TLZH::SetInput(const uint8_t* data, size_t size) {
    in_ = data;
    inSize_ = size;
    inPos_ = 0;
    padBytes_ = 0;
    bits_ = 0;
    bitCount_ = 0;
    overrun_ = false;
}

void TLZH::SetOutput(Bytes* output) {
    out_ = output;
}

uint16_t TLZH::ReadBlock(uint8_t* buffer, uint16_t count) {
    size_t left = inPos_ < inSize_ ? inSize_ - inPos_ : 0;
    size_t n = count < left ? count : left;
    if (n)
        std::memcpy(buffer, in_ + inPos_, n);
    inPos_ += n;
    return uint16_t(n);
}

// Tops the bit buffer up to at least 57 bits. Exhausted input reads as zero bytes, counted so
// that an overrun can be told afterwards from the bits really used.
inline void TLZH::Fill() {
    while (bitCount_ <= 56) {
        uint8_t b = 0;
        if (ReadBlock(&b, 1) == 0)
            ++padBytes_;
        bits_ |= uint64_t(b) << (56 - bitCount_);
        bitCount_ += 8;
    }
}

inline unsigned TLZH::ReadBit() {
    if (bitCount_ == 0)
        Fill();
    unsigned bit = unsigned(bits_ >> 63);
    bits_ <<= 1;
    --bitCount_;
    return bit;
}

inline unsigned TLZH::ReadBits(int count) {
    if (bitCount_ < count)
        Fill();
    unsigned v = unsigned(bits_ >> (64 - count));
    bits_ <<= count;
    bitCount_ -= count;
    return v;
}

void TLZH::Unpack(uint32_t size) {
    if (size > kMaxDecodedSize) {
        throw ElzhException("LZH : Declared size " + std::to_string(size) + " is beyond the limit");
    }
    if (!out_)
        throw ElzhException("LZH : No output for decoding");
    State& st = *state_;
    st.tree.InitTree();
    std::memset(st.ring, kFillByte, sizeof st.ring);
    const DistanceTables& dt = GetDistanceTables();

    const size_t start = out_->size();
    // Room for the whole last match, so the loop needs no bounds test per byte.
    out_->resize(start + size + kLongestMatch - 1);
    uint8_t* out = out_->data() + start;
    uint8_t* ring = st.ring;
    const int16_t* child = st.tree.child_;
    unsigned r = kInitialFill;
    uint32_t count = 0;
    while (count < size) {
        if (bitCount_ < 32)
            Fill();
        int node = child[kRoot];
        while (node < kNodeCount)
            node = child[node + int(ReadBit())];
        int symbol = node - kNodeCount;
        st.tree.UpdateTree(symbol);
        if (symbol < 256) {
            out[count++] = uint8_t(symbol);
            ring[r] = uint8_t(symbol);
            r = (r + 1) & (kWindowSize - 1);
            continue;
        }
        unsigned first = ReadBits(8);
        int extra = dt.length[first] - 2;
        unsigned code = (first << extra) | ReadBits(extra);
        unsigned distance = (unsigned(dt.high[first]) << 6) | (code & 63);
        unsigned from = (r - distance - 1) & (kWindowSize - 1);
        int length = MatchLength(symbol);
        for (int k = 0; k < length; ++k) {
            uint8_t b = ring[(from + k) & (kWindowSize - 1)];
            out[count++] = b;
            ring[r] = b;
            r = (r + 1) & (kWindowSize - 1);
        }
    }
    out_->resize(start + count);
    uint64_t usedBits = uint64_t(inPos_ + padBytes_) * 8 - uint64_t(bitCount_);
    overrun_ = usedBits > uint64_t(inSize_) * 8;
}

Bytes LzhDecode(const uint8_t* data, size_t dataSize, uint32_t size, bool* overrun) {
    Bytes out;
    TLZH lzh;
    lzh.SetInput(data, dataSize);
    lzh.SetOutput(&out);
    lzh.Unpack(size);
    out.resize(size);
    if (overrun)
        *overrun = lzh.Overrun();
    return out;
}

}  // namespace core
