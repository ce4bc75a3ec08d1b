#pragma once
// The skin archive: a version word, a list of entry names, their sizes and their bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/bytes.h"

namespace core {

constexpr uint32_t kSkinArchiveVersion = 20000;
constexpr size_t kSkinArchiveHeaderSize = 16;

struct SkinArchiveEntry {
    std::string name;
    Bytes data;
};

// Lays out an archive readable by TSkinReader: names joined by CR LF (no trailing break),
// the two header words nobody reads written as zero. Throws AppError for an empty name, a name
// that holds a line break, or an archive beyond what a 32-bit size can describe.
Bytes BuildSkinArchive(const std::vector<SkinArchiveEntry>& entries);

}  // namespace core
