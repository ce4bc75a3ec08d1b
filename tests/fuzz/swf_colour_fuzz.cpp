// The movie's own background colour, read from any bytes: never outside the input, and a colour
// is a COLORREF (high byte zero).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/app/swf_background.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto colour = core::SwfBackgroundColor(data, size);
    if (colour && (*colour >> 24) != 0)
        std::abort();
    return 0;
}
