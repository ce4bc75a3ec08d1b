// clockdesign: packs a clock design source (ini + face + sound) into a design file, prints or
// unpacks a design file, and stamps a player executable with the name of its design.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/app/clock_db.h"
#include "core/app/design_ini.h"
#include "core/common/file_io.h"
#include "core/common/text.h"

namespace {

const char kUsage[] =
    "usage: clockdesign pack SOURCE.ini OUTPUT\n"
    "       clockdesign dump FILE\n"
    "       clockdesign unpack FILE DIR\n"
    "       clockdesign stamp PLAYER DESIGN_NAME OUTPUT\n";

std::string BaseName(const std::string& path) {
    std::string name = core::FileNameOf(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// A stream shorter than its stored size would be packed back with the short bytes: say so
// instead of writing out a design that is not the one in the file.
void CheckStream(const std::string& path, const char* what, size_t present, uint32_t stored) {
    if (present < stored)
        throw core::AppError(path + ": the " + what + " is cut short (" + std::to_string(present) +
                             " of " + std::to_string(stored) + " bytes)");
}

core::ClockDesign ReadDesignFile(const std::string& path) {
    core::Bytes file = core::ReadWholeFile(path, core::kMaxDesignFileSize, "clock design file");
    core::ClockDesign d;
    try {
        d = core::ParseDesignFile(file.data(), file.size());
    } catch (const core::StreamError&) {
        throw core::AppError(path + ": not a clock design file (shorter than its records)");
    }
    if (d.Header.Magic() != core::kDesignMagic)
        throw core::AppError(path + ": not a clock design file (it begins \"" +
                             core::EscapedText(d.Header.Magic()) + "\", not \"" +
                             core::kDesignMagic + "\")");
    CheckStream(path, "face", d.Face.size(), d.Clock.FaceSize());
    CheckStream(path, "sound", d.Sound.size(), d.Alert.SoundSize());
    return d;
}

int Run(int argc, char** argv) {
    std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "pack" && argc == 4) {
        // Everything is checked before anything is written.
        core::Bytes out = core::BuildDesignFile(core::LoadDesignIni(argv[2]));
        core::WriteFileAtomic(argv[3], out.data(), out.size());
        return 0;
    }
    if (cmd == "dump" && argc == 3) {
        std::string ini = core::DesignToIni(ReadDesignFile(argv[2]));
        std::fwrite(ini.data(), 1, ini.size(), stdout);
        return 0;
    }
    if (cmd == "unpack" && argc == 4) {
        core::ClockDesign design = ReadDesignFile(argv[2]);
        std::error_code ec;
        std::filesystem::create_directories(argv[3], ec);
        if (ec)
            throw core::AppError(std::string("cannot create folder ") + argv[3] + ": " +
                                 ec.message());
        core::UnpackDesign(design, argv[3], BaseName(argv[2]));
        return 0;
    }
    if (cmd == "stamp" && argc == 5) {
        core::Bytes out = core::StampPlayer(core::ReadWholeFile(argv[2]), argv[3]);
        core::WriteFileAtomic(argv[4], out.data(), out.size());
        return 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "clockdesign: %s\n", e.what());
        return 2;
    }
}
