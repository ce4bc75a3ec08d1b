// Any bytes as a Windows bitmap file: refused cleanly or decoded within the announced size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/common/bitmap.h"
#include "core/common/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const core::Bitmap b = core::DecodeBmp(data, size);
        if (b.width < 0 || b.height < 0 || b.pixels.size() != size_t(b.width) * size_t(b.height))
            std::abort();
        // A decoded picture must survive our own encoder and decode to the same pixels.
        if (!b.Empty() && b.pixels.size() < 4096) {
            const core::Bitmap again = core::DecodeBmp(core::EncodeBmp24(b));
            for (size_t i = 0; i < b.pixels.size(); ++i)
                if ((again.pixels[i] & 0xFFFFFF) != (b.pixels[i] & 0xFFFFFF))
                    std::abort();
        }
    } catch (const core::AppError&) {
    }
    return 0;
}
