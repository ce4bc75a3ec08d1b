#pragma once
// In-memory reader of the skin's ini-style definition text. Lookups follow the skin format's
// own rules, which differ from the usual ini readers: the first matching key wins and an empty
// value counts as absent.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/common/bytes.h"

namespace core {

class TQuickIni {
  public:
    // Replaces the content with the text in [data, data + size); the text ends at the first NUL.
    void Load(const uint8_t* data, size_t size);
    void Load(const Bytes& bytes) { Load(bytes.data(), bytes.size()); }

    std::string ReadString(const std::string& section,
                           const std::string& key,
                           const std::string& def) const;
    // Decimal, or hexadecimal written "$1F" or "0x1F"; anything else gives `def`.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    // Section names in file order, brackets removed and trimmed.
    void ReadSections(std::vector<std::string>& names) const;

    const std::vector<std::string>& Lines() const { return lines_; }
    // Header line (trimmed, with brackets) and its index in Lines().
    const std::vector<std::pair<std::string, size_t>>& Sections() const { return sections_; }

  private:
    std::vector<std::string> lines_;
    std::vector<std::pair<std::string, size_t>> sections_;
};

// Trims spaces and control characters (anything up to ' ') at both ends.
std::string TrimIniText(const std::string& s);
std::string LowerAscii(std::string s);
std::string UpperAscii(std::string s);
// Integer conversion of the ini's values: optional sign, decimal digits or "$" and hex digits,
// within 32 bits. Returns false for anything else.
bool ParseIniInteger(const std::string& text, int32_t& value);

}  // namespace core
