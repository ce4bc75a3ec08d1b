// sampleart: draws the sample clock's face picture and synthesises its alarm chime.
//   sampleart OUTDIR   writes OUTDIR/face.bmp (24-bit) and OUTDIR/chime.wav (16-bit PCM)
// The face is a rounded desk clock with a recessed display panel; everything outside its
// outline is the key colour that the clock cuts away. The panel's flat colour is the LED's
// background colour, so the LED sits in it without a visible box.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/common/bitmap.h"
#include "core/common/file_io.h"

namespace {

constexpr int kWidth = 260, kHeight = 120;
// Must match the design source (TransColor, LedBGColor).
constexpr uint32_t kKey = 0xFF00FF;
constexpr uint32_t kPanel = 0x15120B;  // #0B1215

struct Rgb {
    double r, g, b;
};

Rgb FromHex(uint32_t rrggbb) {
    return {double((rrggbb >> 16) & 0xFF), double((rrggbb >> 8) & 0xFF), double(rrggbb & 0xFF)};
}
Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
uint32_t ToColorref(Rgb c) {
    auto ch = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    return ch(c.r) | (ch(c.g) << 8) | (ch(c.b) << 16);
}

// Signed distance from (px, py) to a rounded rectangle (negative inside).
double RoundRect(double px, double py, double x0, double y0, double x1, double y1, double r) {
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double qx = std::fabs(px - cx) - ((x1 - x0) / 2 - r);
    double qy = std::fabs(py - cy) - ((y1 - y0) / 2 - r);
    double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - r;
}
double Circle(double px, double py, double cx, double cy, double r) {
    return std::hypot(px - cx, py - cy) - r;
}
// Pixel coverage of a shape edge at signed distance d.
double Cover(double d) {
    return std::clamp(0.5 - d, 0.0, 1.0);
}

core::Bitmap DrawFace() {
    const Rgb bodyTop = FromHex(0x3A7385), bodyBottom = FromHex(0x163440);
    const Rgb rimLight = FromHex(0x9AD3DF), rimDark = FromHex(0x0A1A20);
    const Rgb foot = FromHex(0x0E2128), outline = FromHex(0x08161B);
    const Rgb panel = FromHex(0x0B1215), panelShadow = FromHex(0x050809);
    const Rgb panelLip = FromHex(0x5E98A6);
    const Rgb button = FromHex(0xE8A33C), buttonDark = FromHex(0x9A5A12);

    core::Bitmap face(kWidth, kHeight, kKey);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double body = RoundRect(px, py, 2, 2, 258, 108, 26);
            const double feet = std::min(RoundRect(px, py, 40, 96, 72, 118, 5),
                                         RoundRect(px, py, 188, 96, 220, 118, 5));
            if (body > 0 && feet > 0)
                continue;  // stays the key colour: cut away

            Rgb c = foot;
            if (body <= 0) {
                c = Mix(bodyTop, bodyBottom, (py - 2) / 106);
                // Soft gloss over the upper part of the body.
                double gloss = std::clamp((52 - py) / 50, 0.0, 1.0) * 0.18;
                c = Mix(c, Rgb{255, 255, 255}, gloss);
                // Bevelled rim: light above, dark below.
                if (body > -4) {
                    Rgb rim = Mix(rimLight, rimDark, (py - 10) / 90);
                    c = Mix(c, rim, (4 + body) / 4 * 0.8);
                }
            }
            // A one-pixel dark outline keeps the cut edge crisp on any desktop.
            if (std::min(body, feet) > -1.2)
                c = Mix(c, outline, 0.85);

            // Recessed display panel: shadow inside its upper edge, a light lip below.
            const double pnl = RoundRect(px, py, 16, 16, 244, 72, 9);
            const double lip = RoundRect(px, py, 15, 15.5, 245, 74, 10);
            c = Mix(c, panelLip, Cover(lip) * (1 - Cover(pnl)) * 0.9);
            if (pnl <= 0.5) {
                Rgb inside = panel;
                if (py < 22)
                    inside = Mix(panelShadow, panel, (py - 16) / 6);
                c = Mix(c, inside, Cover(pnl));
            }

            // Three alarm-clock buttons below the panel.
            for (int i = 0; i < 3; ++i) {
                const double bx = 108 + 22 * i, by = 89;
                const double d = Circle(px, py, bx, by, 6);
                if (d > 1)
                    continue;
                double shade = std::clamp((py - (by - 6)) / 12, 0.0, 1.0);
                Rgb b = Mix(button, buttonDark, shade);
                b = Mix(b, Rgb{255, 240, 210},
                        std::max(0.0, 1 - Circle(px, py, bx - 2, by - 2, 2.5) / 3) * 0.6);
                c = Mix(c, Mix(b, outline, d > -1.2 ? 0.6 : 0.0), Cover(d));
            }
            face.Set(x, y, ToColorref(c));
        }
    }
    // The panel colour must stay exact where the LED sits.
    for (int y = 24; y < 66; ++y)
        for (int x = 22; x < 238; ++x)
            face.Set(x, y, kPanel);
    return face;
}

// A soft three-note bell arpeggio (C6, E6, G6) with a little shimmer, about 1.5 s long.
core::Bytes SynthesiseChime() {
    constexpr int kRate = 22050;
    constexpr double kSeconds = 1.5, kPi = 3.14159265358979323846;
    const int n = int(kRate * kSeconds);
    const double notes[] = {1046.50, 1318.51, 1567.98};
    std::vector<double> mix(size_t(n), 0.0);
    for (int k = 0; k < 3; ++k) {
        const int start = int(k * 0.16 * kRate);
        for (int i = start; i < n; ++i) {
            double t = double(i - start) / kRate;
            double attack = std::min(1.0, t / 0.004);
            double v = std::sin(2 * kPi * notes[k] * t) * std::exp(-3.2 * t) +
                       0.35 * std::sin(2 * kPi * notes[k] * 2.76 * t) * std::exp(-7.0 * t) +
                       0.12 * std::sin(2 * kPi * notes[k] * 5.40 * t) * std::exp(-12.0 * t);
            mix[size_t(i)] += attack * v;
        }
    }
    // Fade the tail so the sound ends in silence, then normalise to about -3 dBFS.
    const int fade = kRate / 5;
    for (int i = n - fade; i < n; ++i)
        mix[size_t(i)] *= double(n - i) / fade;
    double peak = 0;
    for (double v : mix)
        peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0 ? 0.707 * 32767 / peak : 0;

    const uint32_t dataBytes = uint32_t(n) * 2;
    core::Bytes wav(44 + dataBytes, 0);
    auto tag = [&](size_t at, const char* t) { std::copy(t, t + 4, wav.begin() + at); };
    tag(0, "RIFF");
    core::PutU32(&wav[4], 36 + dataBytes);
    tag(8, "WAVE");
    tag(12, "fmt ");
    core::PutU32(&wav[16], 16);
    core::PutU16(&wav[20], 1);  // PCM
    core::PutU16(&wav[22], 1);  // mono
    core::PutU32(&wav[24], kRate);
    core::PutU32(&wav[28], kRate * 2);
    core::PutU16(&wav[32], 2);
    core::PutU16(&wav[34], 16);
    tag(36, "data");
    core::PutU32(&wav[40], dataBytes);
    for (int i = 0; i < n; ++i)
        core::PutU16(&wav[44 + 2 * size_t(i)],
                     uint16_t(int16_t(std::lround(mix[size_t(i)] * gain))));
    return wav;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: sampleart OUTDIR\n", stderr);
        return 2;
    }
    try {
        std::string dir = argv[1];
        if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
            dir += '/';
        core::Bytes bmp = core::EncodeBmp24(DrawFace());
        core::WriteWholeFile(dir + "face.bmp", bmp.data(), bmp.size());
        core::Bytes wav = SynthesiseChime();
        core::WriteWholeFile(dir + "chime.wav", wav.data(), wav.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sampleart: %s\n", e.what());
        return 2;
    }
    return 0;
}
