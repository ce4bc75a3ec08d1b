#include "core/skin/quick_ini.h"

#include <cstring>

#include "core/common/text.h"

namespace core {

namespace {

bool IsSectionHeader(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

}  // namespace

std::string TrimIniText(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return s;
}

bool ParseIniInteger(const std::string& text, int32_t& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size())
        return false;
    uint64_t v = 0;
    if (text[i] == '$') {
        // Hexadecimal covers the full 32 bits, so $FFFFFFFF is -1 as in the skins' tools.
        if (++i >= text.size())
            return false;
        for (; i < text.size(); ++i) {
            int d = HexDigit(text[i]);
            if (d < 0)
                return false;
            v = v * 16 + uint64_t(d);
            if (v > 0xFFFFFFFFull)
                return false;
        }
        uint32_t u = uint32_t(v);
        value = negative ? int32_t(0u - u) : int32_t(u);
        return true;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + uint64_t(text[i] - '0');
        if (v > 0x80000000ull)
            return false;
    }
    if (!negative && v > 0x7FFFFFFFull)
        return false;
    value = negative ? int32_t(-int64_t(v)) : int32_t(v);
    return true;
}

void TQuickIni::Load(const uint8_t* data, size_t size) {
    lines_.clear();
    sections_.clear();
    const char* text = reinterpret_cast<const char*>(data);
    if (data != nullptr) {
        const void* nul = std::memchr(data, 0, size);
        if (nul != nullptr)
            size = size_t(static_cast<const uint8_t*>(nul) - data);
    } else {
        size = 0;
    }
    size_t start = 0;
    while (start < size) {
        size_t end = start;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        std::string line = TrimIniText(std::string(text + start, end - start));
        if (!line.empty() && line[0] != ';') {
            if (IsSectionHeader(line))
                sections_.emplace_back(line, lines_.size());
            lines_.push_back(std::move(line));
        }
        // CR LF is one break; a lone CR or LF is one too.
        if (end < size && text[end] == '\r' && end + 1 < size && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

std::string TQuickIni::ReadString(const std::string& section,
                                  const std::string& key,
                                  const std::string& def) const {
    const std::string header = "[" + section + "]";
    const std::pair<std::string, size_t>* found = nullptr;
    for (const auto& s : sections_) {
        if (EqualsNoCase(s.first, header)) {
            found = &s;
            break;
        }
    }
    if (found == nullptr)
        return def;
    const std::string wanted = LowerAscii(key);
    for (size_t i = found->second + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (IsSectionHeader(line))
            break;
        size_t eq = line.find('=');
        std::string lineKey = eq == std::string::npos ? std::string() : line.substr(0, eq);
        if (LowerAscii(TrimIniText(lineKey)) != wanted)
            continue;
        std::string value =
            eq == std::string::npos ? std::string() : TrimIniText(line.substr(eq + 1));
        return value.empty() ? def : value;
    }
    return def;
}

int32_t TQuickIni::ReadInteger(const std::string& section,
                               const std::string& key,
                               int32_t def) const {
    std::string s = ReadString(section, key, "");
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        s = "$" + s.substr(2);
    int32_t v;
    return ParseIniInteger(s, v) ? v : def;
}

void TQuickIni::ReadSections(std::vector<std::string>& names) const {
    names.clear();
    for (const auto& s : sections_)
        names.push_back(TrimIniText(s.first.substr(1, s.first.size() - 2)));
}

}  // namespace core
