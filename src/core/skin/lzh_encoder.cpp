// The encoding direction of the skin codec, for our skin tool: greedy longest matches found
// through hash chains over the 4 KB window, coded with the same adaptive tree as the decoder.
#include <algorithm>
#include <string>
#include <vector>

#include "core/skin/lzh_encoder.h"

namespace core {

using namespace lzh;

namespace {

class BitWriter {
  public:
    explicit BitWriter(Bytes& out) : out_(out) {}

    // Appends the low `count` bits of `value` (count <= 32), most significant first.
    void Put(uint32_t value, int count) {
        acc_ = (acc_ << count) | (value & ((uint64_t(1) << count) - 1));
        pending_ += count;
        while (pending_ >= 8) {
            pending_ -= 8;
            out_.push_back(uint8_t(acc_ >> pending_));
        }
    }
    // Pads the last byte with zero bits.
    void Flush() {
        if (pending_ > 0)
            out_.push_back(uint8_t(acc_ << (8 - pending_)));
        pending_ = 0;
    }

  private:
    Bytes& out_;
    uint64_t acc_ = 0;
    int pending_ = 0;
};

class SymbolCoder {
  public:
    explicit SymbolCoder(BitWriter& bits) : bits_(bits) {}

    void Put(int symbol) {
        // Walk from the leaf up; the bit of each node is its place under its parent.
        int count = 0;
        for (int node = tree_.Parent(symbol + kNodeCount); node != kRoot;) {
            int parent = tree_.Parent(node);
            path_[count++] = uint8_t(node - tree_.Child(parent));
            node = parent;
        }
        while (count > 0)
            bits_.Put(path_[--count], 1);
        tree_.UpdateTree(symbol);
    }

  private:
    BitWriter& bits_;
    LzhTree tree_;
    uint8_t path_[kNodeCount];
};

}  // namespace

LzhMatchFinder::LzhMatchFinder(const Bytes& text)
    : text_(text), head_(kHashSize, -1), prev_(kLinks) {}

uint32_t LzhMatchFinder::Hash(int pos) const {
    const uint8_t* p = text_.data() + pos;
    uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
}

void LzhMatchFinder::Insert(int pos) {
    if (size_t(pos) + 2 >= text_.size())
        return;
    uint32_t h = Hash(pos);
    prev_[pos & (kLinks - 1)] = head_[h];
    head_[h] = pos;
}

int LzhMatchFinder::Find(int pos, int maxLength, int& from) const {
    if (maxLength <= kThreshold)
        return 0;
    const uint8_t* cur = text_.data() + pos;
    const int oldest = std::max(0, pos - kWindowSize);
    int best = kThreshold;
    for (int cand = head_[Hash(pos)]; cand >= oldest; cand = prev_[cand & (kLinks - 1)]) {
        const uint8_t* p = text_.data() + cand;
        // Only a string that also agrees one byte further can beat the best so far.
        if (p[best] != cur[best] || p[0] != cur[0])
            continue;
        int len = 1;
        while (len < maxLength && p[len] == cur[len])
            ++len;
        if (len > best) {
            best = len;
            from = cand;
            if (len == maxLength)
                break;
        }
    }
    return best > kThreshold ? best : 0;
}

Bytes LzhEncode(const uint8_t* data, size_t size) {
    if (size > kMaxDecodedSize) {
        throw ElzhException("LZH : Size " + std::to_string(size) + " is beyond the limit");
    }
    // The decoder starts with spaces in the ring before the first byte; matches may use them.
    Bytes text(kInitialFill + size, kFillByte);
    std::copy(data, data + size, text.begin() + kInitialFill);
    const int end = int(text.size());

    Bytes out;
    out.reserve(size / 2 + 16);
    BitWriter bits(out);
    SymbolCoder symbols(bits);
    LzhMatchFinder finder(text);
    const DistanceTables& dt = GetDistanceTables();

    for (int p = 0; p < kInitialFill; ++p)
        finder.Insert(p);
    int pos = kInitialFill;
    while (pos < end) {
        int from = 0;
        int length = finder.Find(pos, std::min(kLongestMatch, end - pos), from);
        if (length == 0) {
            symbols.Put(text[pos]);
            finder.Insert(pos);
            ++pos;
            continue;
        }
        symbols.Put(MatchSymbol(length));
        int distance = pos - from - 1;
        int high = distance >> 6;
        bits.Put((uint32_t(dt.code[high]) << 6) | uint32_t(distance & 63), dt.codeLength[high] + 6);
        for (int k = 0; k < length; ++k)
            finder.Insert(pos + k);
        pos += length;
    }
    bits.Flush();
    return out;
}

}  // namespace core
