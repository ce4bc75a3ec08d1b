// Feeds any bytes to everything that reads a clock design or its parts: the executable trailer,
// the design reader with its face picture, the bitmap decoder and window shape, the design
// file dump and the ini parser. Only the documented errors may come out, and a dump must
// read back to the same dump.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/app/bitmap_region.h"
#include "core/app/clock_db.h"
#include "core/app/design_ini.h"
#include "core/common/bitmap.h"
#include "core/common/errors.h"

namespace {

void DecodeAndShape(const uint8_t* data, size_t size) {
    try {
        core::Bitmap b = core::DecodeBmp(data, size);
        if (b.pixels.size() != size_t(b.width) * size_t(b.height))
            std::abort();
        auto rects = core::BitmapRegionRects(b, b.At(0, 0), 3, -2);
        for (const auto& r : rects)
            if (r.left >= r.right || r.top >= r.bottom)
                std::abort();
    } catch (const core::AppError&) {
    }
}

void ReadDesign(const uint8_t* data, size_t size) {
    core::TClockDB db;
    try {
        db.ReadDesignFrom(data, size);
        core::Bitmap face;
        if (!db.Clock.IsMovieFace())
            db.LoadFacePicture(face);
    } catch (const core::AppError&) {
    }
    if (db.FaceStream().size() > size || db.SoundStream().size() > size)
        std::abort();
}

void DumpTwice(const uint8_t* data, size_t size) {
    core::ClockDesign d;
    try {
        d = core::ParseDesignFile(data, size);
    } catch (const core::StreamError&) {
        return;
    }
    // Without files the dump names the streams by size, so it parses without touching disk.
    std::string first = core::DesignToIni(d);
    core::ClockDesign again = core::ParseDesignIni(first, "dump.ini");
    if (core::DesignToIni(again) != first)
        std::abort();
}

// Stream keys would make the parser read whatever file the input names.
bool NamesFiles(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq);
        size_t b = key.find_first_not_of(" \t"), e = key.find_last_not_of(" \t\r");
        if (b == std::string::npos)
            continue;
        key = key.substr(b, e - b + 1);
        if (key == "Face" || key == "Sound")
            return true;
    }
    return false;
}

void ParseIni(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (NamesFiles(text))
        return;
    try {
        core::ParseDesignIni(text, "fuzz.ini");
    } catch (const core::DesignIniError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        core::TrailerFrom(data, size).DesignName();
    } catch (const core::StreamError&) {
    }
    ReadDesign(data, size);
    DecodeAndShape(data, size);
    DumpTwice(data, size);
    ParseIni(data, size);
    return 0;
}
