// The locale's time values and format pictures as Windows may hand them out, any text: the
// settings they give must format every time of day without failing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app/time_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Six values separated by NUL bytes, as the locale calls return them; the whole input is
    // also a format picture.
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && parts.size() < 6)
            parts.emplace_back();
        else
            parts.back() += char(data[i]);
    }
    parts.resize(6);
    const core::TimeFormatSettings fromLocale =
        core::TimeFormatFromLocale({parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]});
    const core::TimeFormatSettings fromPicture = core::ParseTimeFormatPicture(
        std::string(reinterpret_cast<const char*>(data), size), parts[3], parts[4]);
    for (double t : {0.0, 0.25, 0.5, 0.99999, 46364.75, -1.5}) {
        if (core::FormatLongTime(t, fromLocale).empty() ||
            core::FormatLongTime(t, fromPicture).empty())
            std::abort();  // a time is never shown as nothing
    }
    return 0;
}
