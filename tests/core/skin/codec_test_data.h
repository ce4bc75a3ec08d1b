#pragma once
// Inputs for codec tests, generated here the same way on every run.
#include <random>
#include <string>

#include "core/common/bytes.h"

namespace codec_test {

inline core::Bytes RandomBytes(size_t n, unsigned variant, int alphabet = 256) {
    std::mt19937 rng(variant);
    core::Bytes b(n);
    for (auto& c : b)
        c = uint8_t(rng() % unsigned(alphabet));
    return b;
}

// Word-like text with lines, the kind of content a skin definition has.
inline core::Bytes Text(size_t n, unsigned variant) {
    static const char* const kWords[] = {
        "Button", "Image",     "=",     "LeftWidth", "TopHeight", "[Personality]", "Trans", "1",
        "0",      "255 0 255", "frame", "menuBar",   "; comment", "Tile",          "skin"};
    std::mt19937 rng(variant);
    std::string s;
    while (s.size() < n) {
        s += kWords[rng() % 15];
        s += (rng() % 6 == 0) ? "\r\n" : " ";
    }
    s.resize(n);
    return core::Bytes(s.begin(), s.end());
}

// A 24-bit bitmap-like picture: header, flat areas, gradients, a magenta key and some noise.
inline core::Bytes Bitmap(int width, int height, unsigned variant) {
    std::mt19937 rng(variant);
    core::Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t r, g, bl;
            if (x < width / 4) {
                r = 255, g = 0, bl = 255;
            } else if (y < height / 3) {
                r = uint8_t(x * 255 / width), g = uint8_t(y * 2), bl = 200;
            } else {
                r = uint8_t(100 + rng() % 4), g = 120, bl = uint8_t(140 + (x / 8) % 3);
            }
            b.push_back(bl);
            b.push_back(g);
            b.push_back(r);
        }
        while ((b.size() - 54) % 4)
            b.push_back(0);
    }
    return b;
}

}  // namespace codec_test
