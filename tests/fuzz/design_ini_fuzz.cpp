// A design source that names its face and sound files: parsed in a folder that holds a few
// files, packed, and read back by the clock's reader. Names are kept to that folder, so the
// run never reads the rest of the disk.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/app/clock_db.h"
#include "core/app/design_ini.h"
#include "core/common/bitmap.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        std::string f = std::filesystem::temp_directory_path().string() + "/design_ini_fuzz_" +
                        std::to_string(::getpid()) + "/";
        std::filesystem::create_directories(f);
        const core::Bytes face = core::EncodeBmp24(core::Bitmap(5, 3, 0xFF00FF));
        core::WriteWholeFile(f + "face.bmp", face.data(), face.size());
        const std::string sound = "RIFF\x04\x00\x00\x00WAVE";
        core::WriteWholeFile(f + "ring.wav", reinterpret_cast<const uint8_t*>(sound.data()),
                             sound.size());
        core::WriteWholeFile(f + "empty.bin", nullptr, 0);
        return f;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('/') != std::string::npos || text.find('\\') != std::string::npos)
        return 0;
    core::ClockDesign design;
    try {
        design = core::ParseDesignIni(text, Folder() + "source.ini");
    } catch (const core::AppError&) {
        return 0;
    }
    const core::Bytes file = core::BuildDesignFile(design);
    core::TClockDB db;
    try {
        db.ReadDesignFrom(file.data(), file.size());
    } catch (const core::StreamError&) {
        // A FaceSize or SoundSize given larger than its file: the reader refuses the short file.
        if (design.Clock.FaceSize() <= design.Face.size() &&
            design.Alert.SoundSize() <= design.Sound.size())
            std::abort();
        return 0;
    }
    // Stored sizes may be given apart from the files; the reader takes what they say.
    const bool sizesAsFiles = design.Clock.FaceSize() == design.Face.size() &&
                              design.Alert.SoundSize() == design.Sound.size() &&
                              design.Header.Magic() == core::kDesignMagic;
    if (sizesAsFiles && (db.FaceStream() != design.Face || db.SoundStream() != design.Sound))
        std::abort();
    // The ini of the packed design reads back to the same ini.
    const std::string ini = core::DesignToIni(design);
    if (core::DesignToIni(core::ParseDesignIni(ini, Folder() + "again.ini")) != ini)
        std::abort();
    return 0;
}
