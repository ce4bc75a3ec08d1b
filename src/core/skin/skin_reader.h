#pragma once
// Reads a skin file: decodes it and hands out the archive's entries by name.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/common/bytes.h"
#include "core/skin/skin_archive.h"

namespace core {

// Shown when a skin is of another archive version; the caller decides how (a message box).
extern const char* const kOlderSkinMessage;
// More entries than any skin has: a directory that claims more is refused before its names
// are built (each would cost memory whatever its length).
constexpr size_t kMaxSkinEntries = 4096;

class TSkinReader {
  public:
    using MessageFn = std::function<void(const std::string&)>;

    explicit TSkinReader(MessageFn showMessage = {});

    // Decodes a skin file (4-byte decoded length, then the LZH bit stream) and reads the
    // archive directory. Returns false, holding no entries, when the archive is refused:
    // another version (after showing kOlderSkinMessage), a file too short to hold the length,
    // a declared length beyond the codec's limit, or a directory that does not fit the
    // archive (name list, size table or any entry running past its end, more than
    // kMaxSkinEntries entries). Refusal() then says why.
    bool Open(const uint8_t* skinFile, size_t size);
    bool Open(const Bytes& skinFile) { return Open(skinFile.data(), skinFile.size()); }
    // True when the last Open needed bits past the end of the skin file (read as zeros). The
    // archive is still judged by its directory alone, as a stored skin may end that way.
    bool Overrun() const { return overrun_; }
    // The same for an archive that is already decoded.
    bool OpenArchive(const uint8_t* archive, size_t size);
    bool OpenArchive(const Bytes& archive) { return OpenArchive(archive.data(), archive.size()); }
    // Why the last Open or OpenArchive refused the skin ("" after a success).
    const std::string& Refusal() const { return refusal_; }

    // Replaces `out` with the first entry whose name equals `name` ignoring ASCII case.
    // A name not in the archive leaves `out` empty and returns false.
    bool GetEntry(const std::string& name, Bytes& out) const;
    // Like GetEntry for the first entry whose (lower-case) name contains `fragment`, compared
    // exactly; `foundName` receives that entry's name ("" when none).
    bool FindEntry(const std::string& fragment, Bytes& out, std::string& foundName) const;

    size_t EntryCount() const { return names_.size(); }
    // Lower-case entry names, in archive order.
    const std::vector<std::string>& Names() const { return names_; }
    uint32_t EntrySize(size_t index) const { return sizes_.at(index); }
    // Bytes of entry `index` (0 <= index < EntryCount()).
    Bytes Entry(size_t index) const;

  private:
    void Clear();
    bool Refuse(std::string why);

    MessageFn showMessage_;
    bool overrun_ = false;
    std::string refusal_;
    std::vector<std::string> names_;
    std::vector<uint32_t> sizes_;
    std::vector<size_t> offsets_;  // into data_
    Bytes data_;                   // every entry's bytes, in order
};

}  // namespace core
