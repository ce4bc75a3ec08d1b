#include "core/app/app_texts.h"

#include <cctype>

namespace core {

std::string ApplicationTitle(const std::string& exePath) {
    size_t slash = exePath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
    size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.resize(dot);
    for (size_t i = 1; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        // Only ASCII letters: bytes of the system code page above 127 stay as they are.
        if (c < 128)
            name[i] = static_cast<char>(std::tolower(c));
    }
    return name;
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

}  // namespace core
