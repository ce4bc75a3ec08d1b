// The stored SkinStream value of the clock window's description, from any bytes: read, loaded
// when it holds a skin, and written back to the very bytes it took.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/common/errors.h"
#include "core/skin/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    core::TSkinData skin;
    size_t taken = 0;
    try {
        taken = skin.ReadSkinProperty(data, size);
    } catch (const core::StreamError&) {
        return 0;
    }
    if (taken < 4 || taken > size)
        std::abort();
    const core::Bytes back = skin.WriteSkinProperty();
    if (taken > 4 && (back.size() != taken || !std::equal(back.begin(), back.end(), data)))
        std::abort();
    return 0;
}
