#include "core/alarms/about_links.h"

#include <cctype>

namespace core {
namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    size_t i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.size()) return false;
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

// Control characters and blanks would let one text carry a second argument or command.
bool HasUnsafeCharacter(const std::string& text) {
    for (unsigned char c : text)
        if (c <= ' ' || c == 127 || c == '"') return true;
    return false;
}

}  // namespace

std::string WebsiteTarget(const std::string& text) {
    if (HasUnsafeCharacter(text)) return "";
    if (StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://")) {
        // A bare scheme names no site.
        const size_t rest = StartsWithNoCase(text, "https://") ? 8 : 7;
        return text.size() > rest ? text : "";
    }
    if (StartsWithNoCase(text, "www.") && text.size() > 4) return "http://" + text;
    return "";
}

std::string EmailTarget(const std::string& text) { return "mailto:" + text; }

}  // namespace core
