// The whole skin load as the clock does it after decoding (the codec has its own harness): the
// archive opened, its definition found and every definition read, here with the default
// skin's definitions against pictures made of the input's bytes (each picture entry gets the
// next slice), so that every reader of a picture meets damaged ones.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/common/file_io.h"
#include "core/skin/quick_ini.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_reader.h"

#ifndef SKIN_INI_PATH
#define SKIN_INI_PATH "assets/skin/Default.ini"
#endif

namespace {

struct Definitions {
    core::Bytes ini;
    std::vector<std::string> pictures;  // every ".bmp" the definitions name
};

const Definitions& Default() {
    static const Definitions d = [] {
        Definitions out;
        out.ini = core::ReadWholeFile(SKIN_INI_PATH);
        core::TQuickIni q;
        q.Load(out.ini);
        for (const std::string& line : q.Lines()) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos)
                continue;
            const std::string value = core::TrimIniText(line.substr(eq + 1));
            if (value.size() > 4 && value.compare(value.size() - 4, 4, ".bmp") == 0)
                out.pictures.push_back(value);
        }
        return out;
    }();
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Definitions& d = Default();
    std::vector<core::SkinArchiveEntry> entries = {{"Default.ini", d.ini}};
    // Slices are separated by the bytes "|#|"; a picture with no slice left is empty.
    size_t at = 0;
    for (const std::string& name : d.pictures) {
        core::Bytes picture;
        while (at < size) {
            if (at + 3 <= size && data[at] == '|' && data[at + 1] == '#' && data[at + 2] == '|') {
                at += 3;
                break;
            }
            picture.push_back(data[at++]);
        }
        entries.push_back({name, picture});
    }
    core::SkinEnvironment env;
    env.programBitmap = [](const std::string&) { return core::Bitmap(2, 2, 7); };
    core::TSkinReader reader;
    if (!reader.OpenArchive(core::BuildSkinArchive(entries)))
        std::abort();  // our own archive
    core::Bytes text;
    std::string found;
    reader.FindEntry(".ini", text, found);
    core::TQuickIni ini;
    ini.Load(text);
    core::TSkinData skin(env);
    const core::TSkinData::EntryFetcher fetch = [&reader](const std::string& name) {
        core::Bytes entry;
        reader.GetEntry(name, entry);
        return entry;
    };
    skin.ReadDefinitions(ini, fetch);
    return 0;
}
