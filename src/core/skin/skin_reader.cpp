#include "core/skin/skin_reader.h"

#include <cstring>

#include "core/common/errors.h"
#include "core/skin/lzh.h"
#include "core/skin/skin_file.h"

namespace core {

const char* const kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

namespace {

std::string LowerAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return s;
}

// How many names SplitNames makes of `list`, without making them.
size_t CountNames(const uint8_t* list, size_t size) {
    size_t count = 0, i = 0, start = 0;
    while (i < size) {
        if (list[i] != '\r' && list[i] != '\n') {
            ++i;
            continue;
        }
        ++count;
        i += (list[i] == '\r' && i + 1 < size && list[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    return count + (start < size ? 1 : 0);
}

// Splits at CR LF, CR or LF; a break at the very end does not start another name.
std::vector<std::string> SplitNames(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    size_t i = 0;
    while (i < list.size()) {
        char c = list[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        names.push_back(list.substr(start, i - start));
        i += (c == '\r' && i + 1 < list.size() && list[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < list.size())
        names.push_back(list.substr(start));
    return names;
}

}  // namespace

TSkinReader::TSkinReader(MessageFn showMessage) : showMessage_(std::move(showMessage)) {}

void TSkinReader::Clear() {
    overrun_ = false;
    refusal_.clear();
    names_.clear();
    sizes_.clear();
    offsets_.clear();
    data_.clear();
}

bool TSkinReader::Open(const uint8_t* skinFile, size_t size) {
    Clear();
    Bytes archive;
    bool overrun = false;
    if (size < 4)
        return Refuse("the file is " + std::to_string(size) +
                      " bytes long, too short to hold its length");
    const uint32_t declared = GetU32(skinFile);
    if (declared > lzh::MostDecodedFrom(size - 4))
        return Refuse("its declared length " + std::to_string(declared) + " is more than its " +
                      std::to_string(size - 4) + " bytes of data can hold");
    try {
        archive = DecodeSkinFile(skinFile, size, &overrun);
    } catch (const AppError&) {
        return Refuse("its declared length " + std::to_string(declared) +
                      " is beyond the limit of " + std::to_string(lzh::kMaxDecodedSize));
    }
    bool opened = OpenArchive(archive);
    overrun_ = overrun;
    return opened;
}

bool TSkinReader::Refuse(std::string why) {
    Clear();
    refusal_ = std::move(why);
    return false;
}

bool TSkinReader::OpenArchive(const uint8_t* archive, size_t size) {
    Clear();
    if (size >= 4 && GetU32(archive) != kSkinArchiveVersion) {
        if (showMessage_)
            showMessage_(kOlderSkinMessage);
        return Refuse("the archive's version is " + std::to_string(GetU32(archive)) + ", not " +
                      std::to_string(kSkinArchiveVersion) + " (not a skin, or another version)");
    }
    if (size < kSkinArchiveHeaderSize)
        return Refuse("the archive is " + std::to_string(size) + " bytes, shorter than its header");
    size_t left = size - kSkinArchiveHeaderSize;
    uint32_t listLength = GetU32(archive + 4);
    if (listLength > left)
        return Refuse("its name list of " + std::to_string(listLength) +
                      " bytes runs past the end of the archive");
    const uint8_t* p = archive + kSkinArchiveHeaderSize;
    const size_t count = CountNames(p, listLength);
    if (count > kMaxSkinEntries)
        return Refuse("it names " + std::to_string(count) + " entries, more than " +
                      std::to_string(kMaxSkinEntries));
    if (count > (left - listLength) / 4)
        return Refuse("its size table of " + std::to_string(count) +
                      " entries runs past the end of the archive");
    std::vector<std::string> names =
        SplitNames(LowerAscii(std::string(reinterpret_cast<const char*>(p), listLength)));
    p += listLength;
    left -= listLength;
    const uint8_t* sizeTable = p;
    p += 4 * names.size();
    left -= 4 * names.size();

    std::vector<uint32_t> sizes(names.size());
    std::vector<size_t> offsets(names.size());
    uint64_t total = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        sizes[i] = GetU32(sizeTable + 4 * i);
        offsets[i] = size_t(total);
        total += sizes[i];
        if (total > left)
            return Refuse("entry \"" + names[i] + "\" (" + std::to_string(sizes[i]) +
                          " bytes) runs past the end of the archive");
    }
    names_ = std::move(names);
    sizes_ = std::move(sizes);
    offsets_ = std::move(offsets);
    data_.assign(p, p + size_t(total));
    return true;
}

Bytes TSkinReader::Entry(size_t index) const {
    const uint8_t* begin = data_.data() + offsets_.at(index);
    return Bytes(begin, begin + sizes_[index]);
}

bool TSkinReader::GetEntry(const std::string& name, Bytes& out) const {
    out.clear();
    const std::string wanted = LowerAscii(name);
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == wanted) {
            out = Entry(i);
            return true;
        }
    }
    return false;
}

bool TSkinReader::FindEntry(const std::string& fragment, Bytes& out, std::string& foundName) const {
    out.clear();
    foundName.clear();
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(fragment) != std::string::npos) {
            out = Entry(i);
            foundName = names_[i];
            return true;
        }
    }
    return false;
}

}  // namespace core
