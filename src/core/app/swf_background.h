#pragma once
// The background colour a movie sets for itself (its SetBackgroundColor tag), so that a
// stand-in for the movie player can show at least that.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace core {

// COLORREF ($00BBGGRR) of the first SetBackgroundColor tag (code 9) of an uncompressed ("FWS")
// movie. None for a compressed ("CWS") movie, a movie without the tag, or damaged input; never
// reads outside `size` bytes.
std::optional<uint32_t> SwfBackgroundColor(const uint8_t* data, size_t size);

}  // namespace core
