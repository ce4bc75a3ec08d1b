#include "core/skin/skin_archive.h"

#include "core/common/errors.h"

namespace core {

Bytes BuildSkinArchive(const std::vector<SkinArchiveEntry>& entries) {
    std::string names;
    uint64_t total = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].name;
        // A line break would split the name into two entries when read back, and an empty
        // last name would vanish with the trailing break: either way the sizes would no
        // longer match the names.
        if (name.empty() || name.find_first_of("\r\n") != std::string::npos) {
            throw AppError("Skin entry name \"" + name + "\" is not valid");
        }
        if (i > 0)
            names += "\r\n";
        names += name;
        total += entries[i].data.size();
    }
    total += kSkinArchiveHeaderSize + names.size() + 4 * entries.size();
    if (total > 0xFFFFFFFFu)
        throw AppError("Skin archive is too large");

    Bytes out(kSkinArchiveHeaderSize + names.size() + 4 * entries.size());
    PutU32(&out[0], kSkinArchiveVersion);
    PutU32(&out[4], uint32_t(names.size()));
    std::copy(names.begin(), names.end(), out.begin() + kSkinArchiveHeaderSize);
    uint8_t* sizes = out.data() + kSkinArchiveHeaderSize + names.size();
    for (size_t i = 0; i < entries.size(); ++i) {
        PutU32(sizes + 4 * i, uint32_t(entries[i].data.size()));
    }
    out.reserve(size_t(total));
    for (const SkinArchiveEntry& e : entries)
        out.insert(out.end(), e.data.begin(), e.data.end());
    return out;
}

}  // namespace core
