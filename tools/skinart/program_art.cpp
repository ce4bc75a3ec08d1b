#include "program_art.h"

#include <cmath>

#include "canvas.h"
#include "core/common/file_io.h"

namespace skinart {

namespace {

const uint32_t kInk = core::RGBColour(56, 64, 78);
const uint32_t kBlue = core::RGBColour(72, 118, 186);

void Box(core::Bitmap& b, int x0, int y0, int x1, int y1, uint32_t c) {
    HLine(b, x0, x1, y0, c);
    HLine(b, x0, x1, y1 - 1, c);
    VLine(b, x0, y0, y1, c);
    VLine(b, x1 - 1, y0, y1, c);
}

void Save(const std::string& dir, const std::string& name, const core::Bytes& bytes) {
    core::WriteWholeFile(dir + "/" + name, bytes.data(), bytes.size());
}

}  // namespace

core::Bitmap MenuGlyphs() {
    core::Bitmap b(64, 16, core::kMagenta);
    // Restore: two overlapping windows, the front one filled with the ground.
    Box(b, 6, 3, 13, 9, kInk);
    HLine(b, 6, 13, 4, kInk);
    core::FillRect(b, core::Rect{3, 6, 10, 13}, core::kMagenta);
    Box(b, 3, 6, 10, 13, kInk);
    HLine(b, 3, 10, 7, kInk);
    // Maximise: one window with a heavy title line.
    Box(b, 16 + 3, 3, 16 + 13, 13, kInk);
    HLine(b, 16 + 3, 16 + 13, 4, kInk);
    // Minimise: a bar at the bottom.
    HLine(b, 32 + 4, 32 + 12, 11, kInk);
    HLine(b, 32 + 4, 32 + 12, 12, kInk);
    // Close: a cross two pixels wide.
    for (int i = 0; i < 8; ++i) {
        Pixel(b, 48 + 4 + i, 4 + i, kInk);
        Pixel(b, 48 + 5 + i, 4 + i, kInk);
        Pixel(b, 48 + 11 - i, 4 + i, kInk);
        Pixel(b, 48 + 12 - i, 4 + i, kInk);
    }
    return b;
}

core::Bitmap ClockIcon(int size) {
    core::Bitmap b(size, size, core::kMagenta);
    const double c = size / 2.0, r = size / 2.0 - 0.5;
    const double ring = std::max(1.0, size / 12.0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
            if (d <= r - ring)
                b.Set(x, y, core::RGBColour(250, 251, 252));
            else if (d <= r)
                b.Set(x, y, kBlue);
        }
    // Hour marks at 12, 3, 6 and 9, then the hands at ten past ten.
    const int mark = std::max(1, size / 10);
    for (int i = 0; i < mark; ++i) {
        const int inner = int(ring) + 1 + i;
        Pixel(b, int(c), inner, kInk);
        Pixel(b, int(c), size - 1 - inner, kInk);
        Pixel(b, inner, int(c), kInk);
        Pixel(b, size - 1 - inner, int(c), kInk);
    }
    auto hand = [&](double angle, double length, uint32_t colour, double width) {
        for (double t = 0; t <= length; t += 0.25)
            for (double w = -width / 2; w <= width / 2; w += 0.5) {
                const double x = c + std::sin(angle) * t + std::cos(angle) * w;
                const double y = c - std::cos(angle) * t + std::sin(angle) * w;
                Pixel(b, int(std::floor(x)), int(std::floor(y)), colour);
            }
    };
    const double pi = 3.14159265358979;
    hand(-pi / 3, r * 0.5, kInk, std::max(1.0, size / 14.0));
    hand(pi / 3, r * 0.72, kInk, std::max(1.0, size / 20.0));
    Pixel(b, int(c), int(c), kBlue);
    return b;
}

core::Bitmap Track(bool vertical) {
    const int w = vertical ? 8 : 24, h = vertical ? 24 : 8;
    core::Bitmap b(w, h, core::RGBColour(241, 243, 246));
    RoundRect(b, core::Rect{0, 0, w, h}, 3, core::RGBColour(226, 230, 236),
              core::RGBColour(160, 168, 180), core::RGBColour(241, 243, 246));
    return b;
}

core::Bytes EncodeIcon(const std::vector<core::Bitmap>& images) {
    core::Bytes out(6 + 16 * images.size());
    core::PutU16(&out[2], 1);  // icon
    core::PutU16(&out[4], uint16_t(images.size()));
    for (size_t i = 0; i < images.size(); ++i) {
        const core::Bitmap& img = images[i];
        const size_t maskRow = size_t((img.width + 31) / 32) * 4;
        const size_t bytes =
            40 + size_t(img.width) * size_t(img.height) * 4 + maskRow * size_t(img.height);
        uint8_t* entry = &out[6 + 16 * i];
        entry[0] = uint8_t(img.width >= 256 ? 0 : img.width);
        entry[1] = uint8_t(img.height >= 256 ? 0 : img.height);
        core::PutU16(entry + 4, 1);
        core::PutU16(entry + 6, 32);
        core::PutU32(entry + 8, uint32_t(bytes));
        core::PutU32(entry + 12, uint32_t(out.size()));
        core::Bytes image(bytes, 0);
        core::PutU32(&image[0], 40);
        core::PutU32(&image[4], uint32_t(img.width));
        core::PutU32(&image[8], uint32_t(img.height * 2));  // colour and mask
        core::PutU16(&image[12], 1);
        core::PutU16(&image[14], 32);
        for (int y = 0; y < img.height; ++y) {
            const int row = img.height - 1 - y;  // bottom-up
            for (int x = 0; x < img.width; ++x) {
                const uint32_t c = img.At(x, y);
                const bool clear = (c & 0xFFFFFF) == core::kMagenta;
                uint8_t* p = &image[40 + (size_t(row) * size_t(img.width) + size_t(x)) * 4];
                if (!clear) {
                    p[0] = uint8_t(core::BlueOf(c));
                    p[1] = uint8_t(core::GreenOf(c));
                    p[2] = uint8_t(core::RedOf(c));
                    p[3] = 255;
                }
                uint8_t* mask = &image[40 + size_t(img.width) * size_t(img.height) * 4 +
                                       size_t(row) * maskRow + size_t(x / 8)];
                if (clear)
                    *mask |= uint8_t(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

void WriteProgramResources(const std::string& dir) {
    Save(dir, "mainicon.ico", EncodeIcon({ClockIcon(16), ClockIcon(32), ClockIcon(48)}));
    Save(dir, "skinmenuglyphs.bmp", core::EncodeBmp24(MenuGlyphs()));
    Save(dir, "track.bmp", core::EncodeBmp24(Track(false)));
    Save(dir, "trackvert.bmp", core::EncodeBmp24(Track(true)));
}

}  // namespace skinart
