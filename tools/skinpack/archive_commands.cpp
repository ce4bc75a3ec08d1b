// pack, unpack, decode and encode: between a folder of skin sources, a skin file and the raw
// archive.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "commands.h"
#include "core/common/file_io.h"
#include "core/skin/lzh.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_file.h"
#include "core/skin/skin_reader.h"

namespace skinpack {

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string LowerExtension(const std::string& name) {
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? "" : Lower(name.substr(dot));
}

void WriteOutput(const std::string& path, const core::Bytes& bytes) {
    core::WriteFileAtomic(path, bytes.data(), bytes.size());
}

// Entry names come from the file being read: only plain file names may become paths.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (unsigned char c : name) {
        if (c < 32 || c == '/' || c == '\\' || c == ':')
            return false;
    }
    return true;
}

}  // namespace

core::Bytes DecodeWhole(const std::string& skinPath) {
    const core::Bytes file = core::ReadWholeFile(skinPath, core::kMaxSkinFileSize, "skin file");
    const auto refuse = [&](const std::string& why) {
        return CommandError{"\"" + skinPath + "\" is not a skin file: " + why};
    };
    if (file.size() < 4)
        throw refuse("it is " + std::to_string(file.size()) +
                     " bytes long, too short to hold its length");
    bool overrun = false;
    core::Bytes archive;
    try {
        archive = core::DecodeSkinFile(file, &overrun);
    } catch (const core::AppError&) {
        throw refuse("it declares " + std::to_string(core::GetU32(file.data())) +
                     " bytes, more than its " + std::to_string(file.size() - 4) +
                     " bytes of data can hold or a skin can be");
    }
    if (overrun)
        throw refuse("it is cut short or damaged (its data ends before the " +
                     std::to_string(archive.size()) + " bytes it declares)");
    return archive;
}

namespace {

int Pack(const std::vector<std::string>& args) {
    const std::string& dir = args[0];
    std::error_code ec;
    fs::directory_iterator it(fs::path(dir), ec);
    if (ec)
        throw CommandError{"cannot read the folder \"" + dir + "\": " + ec.message()};
    std::vector<std::string> inis, bitmaps;
    for (const fs::directory_entry& e : it) {
        if (!e.is_regular_file())
            continue;
        std::string name = e.path().filename().string();
        std::string ext = LowerExtension(name);
        if (ext == ".ini") {
            inis.push_back(name);
        } else if (ext == ".bmp") {
            bitmaps.push_back(name);
        } else {
            std::fprintf(stderr, "skinpack pack: skipped \"%s\" (not .ini or .bmp)\n",
                         name.c_str());
        }
    }
    if (inis.size() != 1) {
        throw CommandError{"\"" + dir + "\" must hold exactly one .ini file, it holds " +
                           std::to_string(inis.size())};
    }
    // Readers see names in lower case: order by that, and two names that differ only in case
    // would hide one of the files.
    std::sort(bitmaps.begin(), bitmaps.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    for (size_t i = 1; i < bitmaps.size(); ++i) {
        if (Lower(bitmaps[i]) == Lower(bitmaps[i - 1])) {
            throw CommandError{"\"" + bitmaps[i - 1] + "\" and \"" + bitmaps[i] +
                               "\" differ only in case"};
        }
    }
    std::vector<core::SkinArchiveEntry> entries;
    // The definition goes first: it is the entry every reader looks for.
    for (const std::string& name : inis)
        entries.push_back({name, {}});
    for (const std::string& name : bitmaps)
        entries.push_back({name, {}});
    for (core::SkinArchiveEntry& e : entries) {
        e.data = core::ReadWholeFile((fs::path(dir) / e.name).string());
    }
    core::Bytes archive = core::BuildSkinArchive(entries);
    core::Bytes file = core::EncodeSkinFile(archive);
    WriteOutput(args[1], file);
    std::printf("%zu entries, archive %zu bytes, skin file %zu bytes\n", entries.size(),
                archive.size(), file.size());
    return 0;
}

int Unpack(const std::vector<std::string>& args) {
    core::Bytes archive = DecodeWhole(args[0]);
    core::TSkinReader reader;
    if (!reader.OpenArchive(archive)) {
        throw CommandError{"\"" + args[0] +
                           "\" holds no readable skin archive: " + reader.Refusal()};
    }
    for (const std::string& name : reader.Names()) {
        if (!IsPlainFileName(name)) {
            throw CommandError{"entry name \"" + name + "\" is not a plain file name"};
        }
    }
    const fs::path dir(args[1]);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        throw CommandError{"cannot create the folder \"" + args[1] + "\": " + ec.message()};
    std::set<std::string> written;
    for (size_t i = 0; i < reader.EntryCount(); ++i) {
        const std::string& name = reader.Names()[i];
        // Readers only ever see the first entry of a name.
        if (!written.insert(name).second) {
            std::fprintf(stderr, "skinpack unpack: skipped a second entry \"%s\"\n", name.c_str());
            continue;
        }
        WriteOutput((dir / name).string(), reader.Entry(i));
    }
    std::printf("%zu entries\n", written.size());
    return 0;
}

int Decode(const std::vector<std::string>& args) {
    WriteOutput(args[1], DecodeWhole(args[0]));
    return 0;
}

int Encode(const std::vector<std::string>& args) {
    core::Bytes data = core::ReadWholeFile(args[0], core::lzh::kMaxDecodedSize, "skin archive");
    WriteOutput(args[1], core::EncodeSkinFile(data));
    return 0;
}

const bool registered =
    RegisterCommand({"pack", "DIR OUTPUT",
                     "writes the skin file of DIR's one .ini file and its .bmp files", 2, Pack}) &&
    RegisterCommand(
        {"unpack", "SKIN DIR", "writes every entry of the skin file into DIR", 2, Unpack}) &&
    RegisterCommand({"decode", "SKIN OUTPUT", "writes the skin file's raw archive", 2, Decode}) &&
    RegisterCommand({"encode", "INPUT OUTPUT", "writes the skin file of any bytes", 2, Encode});

}  // namespace

}  // namespace skinpack
