// Loading of the held skin file: the stored property, the skin file on disk and the decoding
// order. Kept apart from the definition reader, which needs no archive.
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_file.h"
#include "core/skin/skin_reader.h"

namespace core {

size_t TSkinData::ReadSkinProperty(const uint8_t* data, size_t size) {
    Bytes skinFile;
    const size_t taken = ReadSkinStreamValue(data, size, skinFile);
    if (skinFile.empty())
        return taken;
    skinMemory_ = std::move(skinFile);
    if (!Designing)
        LoadSkinFromStream();
    return taken;
}

Bytes TSkinData::WriteSkinProperty() const {
    return WriteSkinStreamValue(skinMemory_);
}

void TSkinData::SetSkinFile(const std::string& name) {
    skinFile_ = name;
    if (Designing) {
        if (!name.empty())
            skinMemory_.clear();
        return;
    }
    if (name.empty() || !FileExists(name))
        return;
    skinMemory_ = ReadWholeFile(name, kMaxSkinFileSize, "skin file");
    LoadSkinFromStream();
    if (OnSkinLoaded)
        OnSkinLoaded();
}

void TSkinData::LoadSkinFromStream() {
    if (Designing)
        return;
    noSkin_ = true;
    TSkinReader reader(env_.showMessage);
    bool opened = false;
    try {
        opened = reader.Open(skinMemory_);
    } catch (const std::exception&) {
        // A skin file that cannot be decoded is treated like a refused archive.
        opened = false;
    }
    if (!opened)
        return;
    Bytes text;
    std::string found;
    reader.FindEntry(".ini", text, found);
    TQuickIni ini;
    ini.Load(text);
    const EntryFetcher fetch = [&reader](const std::string& name) {
        Bytes entry;
        reader.GetEntry(name, entry);
        return entry;
    };
    ReadDefinitions(ini, fetch);
}

}  // namespace core
