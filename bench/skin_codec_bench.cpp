// Skin codec figures: decode speed against the -lh1- decoder of liblhasa on the same stream,
// encode speed and compressed size. Inputs: a generated text corpus, generated bitmap-like
// data, and any files named on the command line (a skin file is measured on its archive).
//   skin_codec_bench [FILE...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/common/file_io.h"
#include "core/skin/lzh.h"
#include "core/skin/skin_file.h"
#include "core/skin/skin_reader.h"

#if __has_include(<liblhasa-1.0/lha_decoder.h>) && !defined(HAVE_LHASA)
#define HAVE_LHASA 1
#endif
// The same adapter the codec tests use as their oracle.
#include "../tests/core/skin/lhasa_oracle.h"

namespace {

using core::Bytes;
using Clock = std::chrono::steady_clock;

// Best of several runs, in seconds; each run at least ~0.2 s of repeats.
double Time(const std::function<void()>& fn) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        int reps = 0;
        auto start = Clock::now();
        double elapsed = 0;
        do {
            fn();
            ++reps;
            elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        } while (elapsed < 0.2);
        best = std::min(best, elapsed / reps);
    }
    return best;
}

Bytes TextCorpus(size_t n) {
    static const char* const kWords[] = {
        "the", "clock", "alarm", "window", "skin", "[Personality]", "LeftWidth=4", "Image=top.bmp",
        "of",  "and",   "a",     "time",   "menu", "Trans=1",       "button",      "colour"};
    std::mt19937 rng(1);
    std::string s;
    while (s.size() < n) {
        s += kWords[rng() % 16];
        s += rng() % 8 == 0 ? "\r\n" : " ";
    }
    s.resize(n);
    return Bytes(s.begin(), s.end());
}

Bytes BitmapLike(int width, int height) {
    std::mt19937 rng(2);
    Bytes b(54, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool key = (x / 16 + y / 16) % 5 == 0;
            b.push_back(key ? 255 : uint8_t(180 + y % 40));
            b.push_back(key ? 0 : uint8_t(x * 200 / width + rng() % 2));
            b.push_back(key ? 255 : uint8_t(90 + (x / 32) % 4));
        }
    }
    return b;
}

void Measure(const std::string& name, const Bytes& data) {
    const double mb = double(data.size()) / 1e6;
    Bytes packed;
    double enc = Time([&] { packed = core::LzhEncode(data.data(), data.size()); });
    Bytes ours;
    double dec =
        Time([&] { ours = core::LzhDecode(packed.data(), packed.size(), uint32_t(data.size())); });
    std::printf("%-22s %9zu -> %8zu bytes (%5.1f%%)  encode %7.1f MB/s  decode %7.1f MB/s",
                name.c_str(), data.size(), packed.size(), 100.0 * packed.size() / data.size(),
                mb / enc, mb / dec);
    if (ours != data)
        std::printf("  OUR DECODE DIFFERS");
#if defined(HAVE_LHASA)
    Bytes theirs;
    double peer = Time([&] { theirs = testing_lhasa::Decode(packed, data.size()); });
    std::printf("  liblhasa %7.1f MB/s (ours %.2fx)", mb / peer, peer / dec);
    if (theirs != data)
        std::printf("  LIBLHASA DECODE DIFFERS");
#endif
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    Measure("text corpus", TextCorpus(2 << 20));
    Measure("bitmap-like 800x600x24", BitmapLike(800, 600));
    for (int i = 1; i < argc; ++i) {
        Bytes file = core::ReadWholeFile(argv[i]);
        core::TSkinReader reader;
        bool isSkin = reader.Open(file);
        Bytes data = isSkin ? core::DecodeSkinFile(file) : file;
        Measure(core::FileNameOf(argv[i]) + (isSkin ? " (archive)" : ""), data);
    }
    return 0;
}
