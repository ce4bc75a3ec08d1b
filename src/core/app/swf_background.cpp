#include "core/app/swf_background.h"

namespace core {

std::optional<uint32_t> SwfBackgroundColor(const uint8_t* data, size_t size) {
    // Header: "FWS", version, file length (4), frame rectangle (bit-packed), rate (2), count (2).
    if (!data || size < 9 || data[0] != 'F' || data[1] != 'W' || data[2] != 'S')
        return {};
    const size_t rectBits = 5 + 4 * size_t(data[8] >> 3);
    size_t pos = 8 + (rectBits + 7) / 8 + 4;
    while (pos + 2 <= size) {
        const unsigned header = data[pos] | (unsigned(data[pos + 1]) << 8);
        pos += 2;
        const unsigned code = header >> 6;
        size_t length = header & 0x3F;
        if (length == 0x3F) {
            if (pos + 4 > size)
                return {};
            length = size_t(data[pos]) | (size_t(data[pos + 1]) << 8) |
                     (size_t(data[pos + 2]) << 16) | (size_t(data[pos + 3]) << 24);
            pos += 4;
        }
        if (code == 0)
            return {};  // End tag
        if (length > size - pos)
            return {};
        if (code == 9 && length >= 3)
            return uint32_t(data[pos]) | (uint32_t(data[pos + 1]) << 8) |
                   (uint32_t(data[pos + 2]) << 16);
        pos += length;
    }
    return {};
}

}  // namespace core
