// Feeds any text as a skin definition: parsed, then read in full against an archive that holds
// it and a few pictures of awkward sizes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/bitmap.h"
#include "core/skin/quick_ini.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_reader.h"

namespace {

core::Bytes Archive(const core::Bytes& ini) {
    static const std::vector<core::SkinArchiveEntry> pictures = {
        {"a.bmp", core::EncodeBmp24(core::Bitmap(4, 4, 0xFF00FF))},
        {"b.bmp", core::EncodeBmp24(core::Bitmap(1, 1, 0x123456))},
        {"w.bmp", core::EncodeBmp24(core::Bitmap(61, 7, 0x00FF00))},
        {"z.bmp", core::Bytes{'B', 'M', 0, 0}},
    };
    std::vector<core::SkinArchiveEntry> entries = {{"skin.ini", ini}};
    entries.insert(entries.end(), pictures.begin(), pictures.end());
    return core::BuildSkinArchive(entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const core::Bytes ini(data, data + size);
    core::TSkinReader reader;
    if (!reader.OpenArchive(Archive(ini)))
        return 0;
    core::Bytes text;
    std::string found;
    reader.FindEntry(".ini", text, found);
    core::TQuickIni q;
    q.Load(text);
    std::vector<std::string> sections;
    q.ReadSections(sections);
    for (const std::string& s : sections)
        q.ReadInteger(s, "Image", 0);

    core::SkinEnvironment env;
    env.hScrollArrowWidth = size > 0 ? int(data[0] % 40) : 16;
    env.programBitmap = [](const std::string&) { return core::Bitmap(3, 3, 1); };
    core::TSkinData skin(env);
    const core::TSkinData::EntryFetcher fetch = [&reader](const std::string& name) {
        core::Bytes entry;
        reader.GetEntry(name, entry);
        return entry;
    };
    skin.ReadDefinitions(q, fetch);
    return 0;
}
