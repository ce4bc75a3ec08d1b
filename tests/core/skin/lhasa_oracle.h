#pragma once
// A third-party "-lh1-" decoder, used to check that what we encode is the standard format.
#include <algorithm>
#include <cstring>

#include "core/common/bytes.h"

#if defined(HAVE_LHASA)
extern "C" {
#include <liblhasa-1.0/lha_decoder.h>
}

namespace testing_lhasa {

struct Source {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

inline size_t ReadSource(void* buf, size_t len, void* user) {
    auto* s = static_cast<Source*>(user);
    size_t n = std::min(len, s->size - s->pos);
    std::memcpy(buf, s->data + s->pos, n);
    s->pos += n;
    return n;
}

// Decodes `size` bytes of an -lh1- stream (no length prefix).
inline core::Bytes Decode(const core::Bytes& stream, size_t size) {
    Source src{stream.data(), stream.size(), 0};
    char name[] = "-lh1-";
    LHADecoder* d = lha_decoder_new(lha_decoder_for_name(name), ReadSource, &src, size);
    core::Bytes out(size + 256);
    size_t got = 0;
    while (got < size) {
        size_t n = lha_decoder_read(d, out.data() + got, out.size() - got);
        if (n == 0)
            break;
        got += n;
    }
    lha_decoder_free(d);
    out.resize(got);
    return out;
}

}  // namespace testing_lhasa
#endif
