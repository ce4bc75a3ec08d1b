#pragma once
// The match search of the skin codec's encoder (LzhEncode in lzh.h).
#include <cstdint>
#include <vector>

#include "core/common/bytes.h"
#include "core/skin/lzh.h"

namespace core {

// Finds earlier strings in `text` (the ring's initial spaces followed by the data) through
// hash chains, nearest first. A match may start up to lzh::kWindowSize bytes back and never
// before the start of `text`, which is exactly what the decoder's ring holds at that point.
class LzhMatchFinder {
  public:
    explicit LzhMatchFinder(const Bytes& text);

    // Makes position `pos` findable; positions are inserted in increasing order.
    void Insert(int pos);
    // The longest match for `pos` of at most `maxLength` bytes, the nearest among equally long
    // ones: returns its length and sets `from` to its start; 0 when none reaches 3 bytes.
    int Find(int pos, int maxLength, int& from) const;

  private:
    static constexpr int kHashBits = 15;
    static constexpr int kHashSize = 1 << kHashBits;
    // Twice the window, so a link is never overwritten while its position is still in reach.
    static constexpr int kLinks = 2 * lzh::kWindowSize;

    uint32_t Hash(int pos) const;

    const Bytes& text_;
    std::vector<int> head_;
    std::vector<int> prev_;
};

}  // namespace core
