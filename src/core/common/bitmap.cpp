#include "core/common/bitmap.h"

#include "core/common/errors.h"

namespace core {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

[[noreturn]] void Invalid() {
    throw AppError("Bitmap image is not valid");
}

// One colour channel of a packed pixel: where its bits are and how to widen them to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static Channel FromMask(uint32_t mask) {
        Channel c;
        c.mask = mask;
        if (mask == 0)
            return c;
        while (!((mask >> c.shift) & 1))
            ++c.shift;
        uint32_t m = mask >> c.shift;
        while (m & 1) {
            ++c.bits;
            m >>= 1;
        }
        // Gaps inside a mask have no sensible meaning.
        if (m != 0)
            Invalid();
        return c;
    }

    uint32_t Extract(uint32_t pixel) const {
        if (bits == 0)
            return 0;
        uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return v >> (bits - 8);
        // Repeat the bits downwards so that full scale maps to 255 (5 bits: v<<3 | v>>2).
        uint32_t out = 0;
        int filled = 0;
        while (filled < 8) {
            int shiftUp = 8 - filled - bits;
            out |= shiftUp >= 0 ? v << shiftUp : v >> -shiftUp;
            filled += bits;
        }
        return out & 0xFF;
    }
};

inline uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r | (g << 8) | (b << 16);
}

struct Layout {
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = kBiRgb;
    size_t headerSize = 0;
    size_t paletteOffset = 0;
    size_t paletteEntrySize = 4;
    size_t paletteCount = 0;
    uint32_t masks[3] = {0, 0, 0};
};

Layout ReadHeaders(const uint8_t* data, size_t size) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        Invalid();
    Layout L;
    L.headerSize = GetU32(data + kFileHeaderSize);
    const uint8_t* h = data + kFileHeaderSize;
    if (L.headerSize == kCoreHeaderSize) {
        if (size < kFileHeaderSize + kCoreHeaderSize)
            Invalid();
        L.width = GetU16(h + 4);
        L.height = GetU16(h + 6);
        if (GetU16(h + 8) != 1)
            Invalid();
        L.bpp = GetU16(h + 10);
        if (L.bpp != 1 && L.bpp != 4 && L.bpp != 8 && L.bpp != 24)
            Invalid();
        L.paletteEntrySize = 3;
        L.paletteOffset = kFileHeaderSize + kCoreHeaderSize;
        if (L.bpp <= 8)
            L.paletteCount = size_t(1) << L.bpp;
        return L;
    }
    // BITMAPINFOHEADER and its longer descendants (V2 52, V3 56, OS/2 64, V4 108, V5 124).
    if (L.headerSize < kInfoHeaderSize || L.headerSize > 124)
        Invalid();
    if (size < kFileHeaderSize + L.headerSize)
        Invalid();
    L.width = GetI32(h + 4);
    int32_t rawHeight = GetI32(h + 8);
    if (rawHeight == INT32_MIN)
        Invalid();
    L.topDown = rawHeight < 0;
    L.height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (GetU16(h + 12) != 1)
        Invalid();
    L.bpp = GetU16(h + 14);
    L.compression = GetU32(h + 16);
    uint32_t clrUsed = GetU32(h + 32);
    L.paletteOffset = kFileHeaderSize + L.headerSize;

    switch (L.bpp) {
        case 1:
        case 4:
        case 8:
        case 24:
            if (L.compression != kBiRgb)
                Invalid();
            break;
        case 16:
        case 32:
            if (L.compression != kBiRgb && L.compression != kBiBitfields &&
                L.compression != kBiAlphaBitfields)
                Invalid();
            break;
        default:
            Invalid();
    }
    if (L.compression == kBiBitfields || L.compression == kBiAlphaBitfields) {
        // A plain info header keeps its masks just after it; longer headers carry them inside.
        size_t maskOffset = kFileHeaderSize + kInfoHeaderSize;
        if (maskOffset + 12 > size)
            Invalid();
        for (int i = 0; i < 3; ++i)
            L.masks[i] = GetU32(data + maskOffset + 4 * i);
        if (L.headerSize == kInfoHeaderSize)
            L.paletteOffset += L.compression == kBiAlphaBitfields ? 16 : 12;
    } else if (L.bpp == 16) {
        L.masks[0] = 0x7C00;
        L.masks[1] = 0x03E0;
        L.masks[2] = 0x001F;
    } else if (L.bpp == 32) {
        L.masks[0] = 0x00FF0000;
        L.masks[1] = 0x0000FF00;
        L.masks[2] = 0x000000FF;
    }
    if (L.bpp <= 8) {
        size_t full = size_t(1) << L.bpp;
        L.paletteCount = (clrUsed == 0 || clrUsed > full) ? full : clrUsed;
    }
    return L;
}

}  // namespace

Bitmap DecodeBmp(const uint8_t* data, size_t size) {
    if (data == nullptr)
        Invalid();
    Layout L = ReadHeaders(data, size);
    if (L.width <= 0 || L.height <= 0)
        Invalid();
    if (L.width > kMaxBitmapSide || L.height > kMaxBitmapSide)
        Invalid();
    if (int64_t(L.width) * L.height > kMaxBitmapPixels)
        Invalid();

    size_t bitsOffset = GetU32(data + 10);
    if (bitsOffset < L.paletteOffset || bitsOffset > size)
        Invalid();

    // A palette may be shorter than the depth allows: it then ends where the pixels start.
    std::vector<uint32_t> palette;
    if (L.bpp <= 8) {
        size_t room = (bitsOffset - L.paletteOffset) / L.paletteEntrySize;
        size_t count = L.paletteCount < room ? L.paletteCount : room;
        palette.resize(size_t(1) << L.bpp, 0);
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* e = data + L.paletteOffset + i * L.paletteEntrySize;
            palette[i] = Rgb(e[2], e[1], e[0]);
        }
    }

    const size_t rowBytes = (size_t(L.width) * size_t(L.bpp) + 7) / 8;
    const size_t stride = ((size_t(L.width) * size_t(L.bpp) + 31) / 32) * 4;
    // The last row's padding is sometimes left out by writers; its pixels must be there.
    const size_t needed = stride * size_t(L.height - 1) + rowBytes;
    if (size - bitsOffset < needed)
        Invalid();

    Channel ch[3];
    if (L.bpp == 16 || L.bpp == 32) {
        for (int i = 0; i < 3; ++i)
            ch[i] = Channel::FromMask(L.masks[i]);
        if (L.bpp == 16) {
            for (const Channel& c : ch)
                if (c.mask > 0xFFFF)
                    Invalid();
        }
    }

    Bitmap out(L.width, L.height);
    for (int32_t row = 0; row < L.height; ++row) {
        const uint8_t* src = data + bitsOffset + stride * size_t(row);
        int32_t y = L.topDown ? row : L.height - 1 - row;
        uint32_t* dst = &out.pixels[size_t(y) * size_t(L.width)];
        switch (L.bpp) {
            case 1:
            case 4:
            case 8: {
                const int perByte = 8 / L.bpp;
                const uint32_t valueMask = (1u << L.bpp) - 1;
                for (int32_t x = 0; x < L.width; ++x) {
                    uint8_t byte = src[x / perByte];
                    int shift = 8 - L.bpp * (x % perByte + 1);
                    dst[x] = palette[(byte >> shift) & valueMask];
                }
                break;
            }
            case 16:
                for (int32_t x = 0; x < L.width; ++x) {
                    uint32_t p = GetU16(src + 2 * size_t(x));
                    dst[x] = Rgb(ch[0].Extract(p), ch[1].Extract(p), ch[2].Extract(p));
                }
                break;
            case 24:
                for (int32_t x = 0; x < L.width; ++x) {
                    const uint8_t* p = src + 3 * size_t(x);
                    dst[x] = Rgb(p[2], p[1], p[0]);
                }
                break;
            case 32:
                for (int32_t x = 0; x < L.width; ++x) {
                    uint32_t p = GetU32(src + 4 * size_t(x));
                    dst[x] = Rgb(ch[0].Extract(p), ch[1].Extract(p), ch[2].Extract(p));
                }
                break;
        }
    }
    return out;
}

namespace {

Bytes EncodeBmp(const Bitmap& bmp, int bpp) {
    if (bmp.Empty() || bmp.pixels.size() != size_t(bmp.width) * size_t(bmp.height))
        throw AppError("Bitmap image is not valid");
    const size_t bytesPerPixel = size_t(bpp) / 8;
    const size_t stride = ((size_t(bmp.width) * bytesPerPixel + 3) / 4) * 4;
    const size_t imageSize = stride * size_t(bmp.height);
    const size_t offset = kFileHeaderSize + kInfoHeaderSize;
    Bytes out(offset + imageSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(&out[2], uint32_t(out.size()));
    PutU32(&out[10], uint32_t(offset));
    uint8_t* h = &out[kFileHeaderSize];
    PutU32(h, kInfoHeaderSize);
    PutI32(h + 4, bmp.width);
    PutI32(h + 8, bmp.height);
    PutU16(h + 12, 1);
    PutU16(h + 14, uint16_t(bpp));
    PutU32(h + 16, kBiRgb);
    PutU32(h + 20, uint32_t(imageSize));
    PutI32(h + 24, 2835);  // 72 dpi
    PutI32(h + 28, 2835);
    for (int32_t y = 0; y < bmp.height; ++y) {
        uint8_t* dst = &out[offset + stride * size_t(bmp.height - 1 - y)];
        for (int32_t x = 0; x < bmp.width; ++x) {
            uint32_t c = bmp.At(x, y);
            dst[0] = uint8_t(c >> 16);
            dst[1] = uint8_t(c >> 8);
            dst[2] = uint8_t(c);
            dst += bytesPerPixel;
        }
    }
    return out;
}

}  // namespace

Bytes EncodeBmp24(const Bitmap& bmp) {
    return EncodeBmp(bmp, 24);
}
Bytes EncodeBmp32(const Bitmap& bmp) {
    return EncodeBmp(bmp, 32);
}

}  // namespace core
