#include "core/common/bitmap.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/errors.h"

namespace {

using core::Bytes;

// Builds a bitmap file by hand: header fields, palette/masks and raw rows as given.
struct BmpBuilder {
    int headerSize = 40;
    int32_t width = 0, height = 0;
    int bpp = 24;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    Bytes extra;  // palette and/or masks after the header
    Bytes rows;   // pixel data as stored
    int64_t bitsOffsetOverride = -1;

    Bytes Build() const {
        Bytes out(14 + size_t(headerSize), 0);
        out[0] = 'B';
        out[1] = 'M';
        uint8_t* h = &out[14];
        core::PutU32(h, uint32_t(headerSize));
        if (headerSize == 12) {
            core::PutU16(h + 4, uint16_t(width));
            core::PutU16(h + 6, uint16_t(height));
            core::PutU16(h + 8, 1);
            core::PutU16(h + 10, uint16_t(bpp));
        } else {
            core::PutI32(h + 4, width);
            core::PutI32(h + 8, height);
            core::PutU16(h + 12, 1);
            core::PutU16(h + 14, uint16_t(bpp));
            core::PutU32(h + 16, compression);
            core::PutU32(h + 32, clrUsed);
        }
        out.insert(out.end(), extra.begin(), extra.end());
        uint32_t offset =
            bitsOffsetOverride >= 0 ? uint32_t(bitsOffsetOverride) : uint32_t(out.size());
        core::PutU32(&out[10], offset);
        out.insert(out.end(), rows.begin(), rows.end());
        core::PutU32(&out[2], uint32_t(out.size()));
        return out;
    }
};

void AddQuad(Bytes& b, uint8_t blue, uint8_t green, uint8_t red) {
    b.insert(b.end(), {blue, green, red, 0});
}
void AddU16(Bytes& b, uint16_t v) {
    b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)});
}
void AddU32(Bytes& b, uint32_t v) {
    b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}

void ExpectInvalid(const Bytes& file, const char* why) {
    try {
        core::DecodeBmp(file);
        ADD_FAILURE() << "accepted: " << why;
    } catch (const core::AppError& e) {
        EXPECT_EQ(std::string(e.what()), "Bitmap image is not valid") << why;
    }
}

constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

TEST(DecodeBmp, PalettedDepthsReadIndicesFromTheHighBitsAndPadRows) {
    // 1 bit, 3 x 2, bottom-up: bottom row 1 0 1, top row 0 1 1.
    BmpBuilder b;
    b.bpp = 1;
    b.width = 3;
    b.height = 2;
    AddQuad(b.extra, 0, 0, 0);
    AddQuad(b.extra, 255, 255, 255);
    b.rows = {0xA0, 0, 0, 0, 0x60, 0, 0, 0};
    core::Bitmap m = core::DecodeBmp(b.Build());
    ASSERT_EQ(m.width, 3);
    ASSERT_EQ(m.height, 2);
    EXPECT_EQ(m.At(0, 0), 0u);
    EXPECT_EQ(m.At(1, 0), kWhite);
    EXPECT_EQ(m.At(2, 0), kWhite);
    EXPECT_EQ(m.At(0, 1), kWhite);
    EXPECT_EQ(m.At(1, 1), 0u);
    EXPECT_EQ(m.At(2, 1), kWhite);

    // 4 bits, 3 x 1: indices 2, 1, 0.
    BmpBuilder f;
    f.bpp = 4;
    f.width = 3;
    f.height = 1;
    f.clrUsed = 3;
    AddQuad(f.extra, 0, 0, 255);  // red
    AddQuad(f.extra, 0, 255, 0);  // green
    AddQuad(f.extra, 255, 0, 0);  // blue
    f.rows = {0x21, 0x00, 0, 0};
    m = core::DecodeBmp(f.Build());
    EXPECT_EQ(m.At(0, 0), kBlue);
    EXPECT_EQ(m.At(1, 0), kGreen);
    EXPECT_EQ(m.At(2, 0), kRed);

    // 8 bits, 5 x 1 (row padded to 8 bytes).
    BmpBuilder e;
    e.bpp = 8;
    e.width = 5;
    e.height = 1;
    e.clrUsed = 2;
    AddQuad(e.extra, 0x10, 0x20, 0x30);
    AddQuad(e.extra, 0x40, 0x50, 0x60);
    e.rows = {1, 0, 1, 1, 0, 0, 0, 0};
    m = core::DecodeBmp(e.Build());
    EXPECT_EQ(m.At(0, 0), 0x405060u);
    EXPECT_EQ(m.At(1, 0), 0x102030u);
    EXPECT_EQ(m.At(4, 0), 0x102030u);
}

TEST(DecodeBmp, ShortPaletteEndsAtThePixelsAndMissingEntriesAreBlack) {
    BmpBuilder b;
    b.bpp = 8;
    b.width = 2;
    b.height = 1;
    AddQuad(b.extra, 0, 0, 255);  // only one entry although clrUsed says 256
    b.rows = {0, 7, 0, 0};
    core::Bitmap m = core::DecodeBmp(b.Build());
    EXPECT_EQ(m.At(0, 0), kRed);
    EXPECT_EQ(m.At(1, 0), 0u);
}

TEST(DecodeBmp, TrueColourDepthsInBothRowOrders) {
    // 24 bits, 2 x 2, bottom-up: rows are 6 bytes + 2 padding.
    BmpBuilder b;
    b.width = 2;
    b.height = 2;
    b.rows = {0,   0, 255, 0, 255, 0, 0, 0,   // bottom: red, green
              255, 0, 0,   1, 2,   3, 0, 0};  // top: blue, (r3 g2 b1)
    core::Bitmap m = core::DecodeBmp(b.Build());
    EXPECT_EQ(m.At(0, 1), kRed);
    EXPECT_EQ(m.At(1, 1), kGreen);
    EXPECT_EQ(m.At(0, 0), kBlue);
    EXPECT_EQ(m.At(1, 0), 0x010203u);

    b.height = -2;  // the same bytes read top-down
    m = core::DecodeBmp(b.Build());
    EXPECT_EQ(m.At(0, 0), kRed);
    EXPECT_EQ(m.At(1, 1), 0x010203u);

    // 32 bits BI_RGB ignores the fourth byte.
    BmpBuilder t;
    t.bpp = 32;
    t.width = 1;
    t.height = 2;
    t.rows = {0x11, 0x22, 0x33, 0xFF, 0x44, 0x55, 0x66, 0x80};
    m = core::DecodeBmp(t.Build());
    EXPECT_EQ(m.At(0, 1), 0x112233u);
    EXPECT_EQ(m.At(0, 0), 0x445566u);
}

TEST(DecodeBmp, SixteenBitsWidenFiveBitChannelsToFullScale) {
    BmpBuilder b;
    b.bpp = 16;
    b.width = 3;
    b.height = 1;
    AddU16(b.rows, 0x7C00);  // red 31
    AddU16(b.rows, 0x0200);  // green 16
    AddU16(b.rows, 0x0001);  // blue 1
    b.rows.insert(b.rows.end(), {0, 0});
    core::Bitmap m = core::DecodeBmp(b.Build());
    EXPECT_EQ(m.At(0, 0), kRed);
    EXPECT_EQ(m.At(1, 0), uint32_t((16 << 3 | 16 >> 2) << 8));
    EXPECT_EQ(m.At(2, 0), uint32_t(0x08) << 16);
}

TEST(DecodeBmp, BitfieldMasksAfterInfoHeaderAndInsideV5Header) {
    // 5-6-5 with masks after a 40-byte header.
    BmpBuilder b;
    b.bpp = 16;
    b.compression = 3;
    b.width = 2;
    b.height = 1;
    AddU32(b.extra, 0xF800);
    AddU32(b.extra, 0x07E0);
    AddU32(b.extra, 0x001F);
    AddU16(b.rows, 0x07E0);  // full green
    AddU16(b.rows, 0xF81F);  // magenta
    core::Bitmap m = core::DecodeBmp(b.Build());
    EXPECT_EQ(m.At(0, 0), kGreen);
    EXPECT_EQ(m.At(1, 0), kRed | kBlue);

    // 32-bit V5 header with masks inside, channels in an unusual order (R in the low byte).
    BmpBuilder v;
    v.headerSize = 124;
    v.bpp = 32;
    v.compression = 3;
    v.width = 1;
    v.height = 1;
    AddU32(v.rows, 0x00C0B0A0);
    Bytes file = v.Build();
    core::PutU32(&file[14 + 40], 0x000000FF);
    core::PutU32(&file[14 + 44], 0x0000FF00);
    core::PutU32(&file[14 + 48], 0x00FF0000);
    m = core::DecodeBmp(file);
    EXPECT_EQ(m.At(0, 0), 0xC0B0A0u);
}

TEST(DecodeBmp, OldCoreHeaderWithThreeBytePalette) {
    BmpBuilder b;
    b.headerSize = 12;
    b.bpp = 8;
    b.width = 2;
    b.height = 1;
    b.extra = {0, 0, 255, 255, 0, 0};  // red, blue: the palette has only two entries
    b.rows = {1, 0, 0, 0};
    core::Bitmap m = core::DecodeBmp(b.Build());
    EXPECT_EQ(m.At(0, 0), kBlue);
    EXPECT_EQ(m.At(1, 0), kRed);
}

TEST(DecodeBmp, EncodersRoundTrip) {
    core::Bitmap src(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            src.Set(x, y, uint32_t(x * 40 + (y * 70 << 8) + (x * y << 16)));
    for (const Bytes& file : {core::EncodeBmp24(src), core::EncodeBmp32(src)}) {
        core::Bitmap back = core::DecodeBmp(file);
        EXPECT_EQ(back.width, 5);
        EXPECT_EQ(back.height, 3);
        EXPECT_EQ(back.pixels, src.pixels);
    }
    EXPECT_EQ(core::EncodeBmp24(src).size(), 54u + 16 * 3);
    EXPECT_THROW(core::EncodeBmp24(core::Bitmap()), core::AppError);
}

TEST(DecodeBmp, DamagedOrUnsupportedInputIsRefused) {
    core::Bitmap small(3, 3, kRed);
    const Bytes good = core::EncodeBmp24(small);

    for (size_t cut = 0; cut < good.size() - 3; cut += 5) {
        // The last row may lack its padding (3 bytes), nothing more.
        ExpectInvalid(Bytes(good.begin(), good.begin() + cut), "truncated");
    }
    EXPECT_NO_THROW(core::DecodeBmp(Bytes(good.begin(), good.end() - 3)));
    ExpectInvalid(Bytes(good.begin(), good.end() - 4), "last row cut");

    auto patched = [&](size_t at, uint32_t v, int width) {
        Bytes b = good;
        if (width == 2)
            core::PutU16(&b[at], uint16_t(v));
        else
            core::PutU32(&b[at], v);
        return b;
    };
    Bytes notBm = good;
    notBm[0] = 'X';
    ExpectInvalid(notBm, "signature");
    ExpectInvalid(patched(10, uint32_t(good.size() + 1), 4), "pixels offset past the end");
    ExpectInvalid(patched(10, 20, 4), "pixels offset inside the header");
    ExpectInvalid(patched(14, 41, 4), "unknown header size");
    ExpectInvalid(patched(14, 0xFFFFFFF0u, 4), "huge header size");
    ExpectInvalid(patched(18, 0, 4), "zero width");
    ExpectInvalid(patched(18, uint32_t(-3), 4), "negative width");
    ExpectInvalid(patched(22, 0, 4), "zero height");
    ExpectInvalid(patched(22, 0x80000000u, 4), "most negative height");
    ExpectInvalid(patched(26, 2, 2), "planes");
    ExpectInvalid(patched(28, 2, 2), "2 bits per pixel");
    ExpectInvalid(patched(28, 0, 2), "0 bits per pixel");
    ExpectInvalid(patched(30, 1, 4), "RLE8");
    ExpectInvalid(patched(30, 3, 4), "bit fields on 24 bits");
    ExpectInvalid(patched(30, 5, 4), "PNG");
    // Sizes that would allocate far too much are refused before any allocation.
    ExpectInvalid(patched(18, 16385, 4), "too wide");
    ExpectInvalid(patched(22, uint32_t(-16385), 4), "too tall");
    Bytes huge = patched(18, 16384, 4);
    core::PutU32(&huge[22], 16384);
    ExpectInvalid(huge, "too many pixels (and no data)");

    BmpBuilder gap;
    gap.bpp = 16;
    gap.compression = 3;
    gap.width = 1;
    gap.height = 1;
    AddU32(gap.extra, 0xF00F);  // a mask with a hole
    AddU32(gap.extra, 0x0000);
    AddU32(gap.extra, 0x0000);
    gap.rows = {0, 0, 0, 0};
    ExpectInvalid(gap.Build(), "mask with a gap");
    gap.extra.clear();
    AddU32(gap.extra, 0x10000);
    AddU32(gap.extra, 0);
    AddU32(gap.extra, 0);
    ExpectInvalid(gap.Build(), "16-bit mask wider than the pixel");

    BmpBuilder coreHdr;
    coreHdr.headerSize = 12;
    coreHdr.bpp = 16;
    coreHdr.width = 1;
    coreHdr.height = 1;
    coreHdr.rows = {0, 0, 0, 0};
    ExpectInvalid(coreHdr.Build(), "16 bits in an old core header");
    ExpectInvalid(Bytes(), "empty");
    EXPECT_THROW(core::DecodeBmp(nullptr, 10), core::AppError);
}

}  // namespace
