// skin_load_bench [SKIN]: time from the start of LoadSkinFromStream to the last definition
// read, for our default skin (build/skin/Default.skin, made by scripts/make_skin.sh) or the
// given skin file. Prints the median and the fastest of many runs, and the share of decoding.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void Report(const char* what, std::vector<double>& t) {
    std::sort(t.begin(), t.end());
    std::printf("%-34s median %8.1f us   fastest %8.1f us   (%zu runs)\n", what, t[t.size() / 2],
                t.front(), t.size());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : std::string("build/skin/Default.skin");
    try {
        const core::Bytes file = core::ReadWholeFile(path);
        constexpr int kRuns = 200;
        std::vector<double> load, decode;
        size_t objects = 0;
        for (int i = 0; i < kRuns; ++i) {
            core::TSkinData skin;
            skin.SetSkinFileBytes(file);
            const auto t0 = Clock::now();
            skin.LoadSkinFromStream();
            load.push_back(Micros(Clock::now() - t0));
            if (skin.NoSkin())
                throw core::AppError("not a readable skin");
            objects = skin.Objects().size();

            core::TSkinReader reader;
            const auto t1 = Clock::now();
            reader.Open(file);
            decode.push_back(Micros(Clock::now() - t1));
        }
        std::printf("skin %s: %zu bytes, %zu objects\n", path.c_str(), file.size(), objects);
        Report("LoadSkinFromStream (whole load)", load);
        Report("  of which decode + directory", decode);
    } catch (const core::AppError& e) {
        std::fprintf(stderr, "skin_load_bench: %s\n", e.what());
        return 2;
    }
    return 0;
}
