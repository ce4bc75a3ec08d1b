#pragma once
// The skin codec: a 4 KB sliding window with matches of 3 to 60 bytes, symbols coded by an
// adaptive Huffman tree, distances by a fixed code for their upper six bits (the "-lh1-"
// method of LHA archivers).
#include <cstddef>
#include <cstdint>

#include "core/common/bytes.h"
#include "core/common/errors.h"

namespace core {

class TLZH;

namespace lzh {
constexpr int kWindowSize = 4096;
constexpr int kLongestMatch = 60;
constexpr int kThreshold = 2;
constexpr int kSymbolCount = 256 - kThreshold + kLongestMatch;  // 314
constexpr int kNodeCount = 2 * kSymbolCount - 1;                // 627
constexpr int kRoot = kNodeCount - 1;                           // 626
constexpr uint16_t kFrequencyLimit = 0x8000;
// Positions 0..kInitialFill-1 of the ring hold spaces before the first byte; the first byte
// goes to position kInitialFill.
constexpr int kInitialFill = kWindowSize - kLongestMatch;  // 4036
constexpr uint8_t kFillByte = ' ';
// A declared length beyond this is refused: a corrupt header must not make us allocate or
// decode without end.
constexpr uint32_t kMaxDecodedSize = 64u << 20;
// The most `streamBytes` of bit stream can really decode to: a match of at most 60 bytes costs
// at least 9 bits (a symbol code of one bit or more, 8 bits of distance), so under 54 bytes
// per byte; with room to spare. More can only come of the zero bits read past the end.
constexpr uint64_t MostDecodedFrom(uint64_t streamBytes) {
    return 64 * streamBytes + 4096;
}

// Symbol of a match of `length` bytes (3..60) and back.
constexpr int MatchSymbol(int length) {
    return 256 - kThreshold - 1 + length;
}
constexpr int MatchLength(int symbol) {
    return symbol - (256 - kThreshold - 1);
}

// The fixed code of a distance's upper six bits, by the first eight bits of the code.
struct DistanceTables {
    uint8_t high[256];    // upper six bits of the distance
    uint8_t length[256];  // bits of the upper part's code (3..8)
    uint8_t code[64];     // the upper part's code, by the upper six bits (left-aligned in
                          // `codeLength` bits)
    uint8_t codeLength[64];
};
const DistanceTables& GetDistanceTables();

// The adaptive symbol tree both directions share: the decoder walks it from the root by the
// bits it reads, the encoder from a leaf up to the root, and both update it the same way after
// every symbol so that they stay in step.
class LzhTree {
  public:
    LzhTree() { InitTree(); }

    void InitTree();
    // Counts one more occurrence of `symbol`, rebuilding first when the root count reached
    // the limit, and keeps the tree ordered by count.
    void UpdateTree(int symbol);
    // Halves every count and rebuilds the tree from the leaves.
    void RebuildTree();

    uint16_t Frequency(int node) const { return frequency_[node]; }
    int16_t Child(int node) const { return child_[node]; }
    int16_t Parent(int node) const { return parent_[node]; }
    int RebuildCount() const { return rebuilds_; }

  private:
    friend class core::TLZH;
    uint16_t frequency_[kNodeCount + 1];  // plus a sentinel that stops the reordering scan
    int16_t parent_[kNodeCount + kSymbolCount];
    int16_t child_[kNodeCount];
    int rebuilds_ = 0;
};
}  // namespace lzh

// Raised when the codec cannot work (its tables, a declared size beyond the limit).
class ElzhException : public AppError {
  public:
    using AppError::AppError;
};

// One decoding: input and output are memory blocks. Input past its end reads as zero bits
// (the overrun is remembered, not an error: the archive reader judges the result).
class TLZH {
  public:
    TLZH();
    ~TLZH();
    TLZH(const TLZH&) = delete;
    TLZH& operator=(const TLZH&) = delete;

    void SetInput(const uint8_t* data, size_t size);
    // Decoded bytes are appended to `output`.
    void SetOutput(Bytes* output);

    // Decodes until at least `size` bytes have been produced. The last match is copied whole,
    // so the output may be up to 59 bytes longer than `size`. Throws ElzhException for a size
    // beyond lzh::kMaxDecodedSize.
    void Unpack(uint32_t size);

    // True when decoding needed more input than there was.
    bool Overrun() const { return overrun_; }

  private:
    struct State;
    // Reads up to `count` bytes of input (never more than remain) and reports how many.
    uint16_t ReadBlock(uint8_t* buffer, uint16_t count);
    unsigned ReadBit();
    unsigned ReadBits(int count);
    void Fill();

    State* state_ = nullptr;
    const uint8_t* in_ = nullptr;
    size_t inSize_ = 0;
    size_t inPos_ = 0;
    size_t padBytes_ = 0;  // zero bytes supplied after the input ran out
    Bytes* out_ = nullptr;
    uint64_t bits_ = 0;  // valid bits at the top
    int bitCount_ = 0;
    bool overrun_ = false;
};

// Decodes `size` declared bytes from an LZH bit stream; the result is exactly `size` long.
Bytes LzhDecode(const uint8_t* data, size_t dataSize, uint32_t size, bool* overrun = nullptr);

// Encodes `data` so that LzhDecode(result, data.size()) gives `data` back.
Bytes LzhEncode(const uint8_t* data, size_t size);

}  // namespace core
