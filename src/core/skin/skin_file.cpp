#include "core/skin/skin_file.h"

#include <algorithm>
#include <string>

#include "core/common/errors.h"
#include "core/skin/lzh.h"

namespace core {

Bytes DecodeSkinFile(const uint8_t* data, size_t size, bool* overrun) {
    if (size < 4)
        throw StreamReadError();
    const uint32_t declared = GetU32(data);
    if (declared > lzh::MostDecodedFrom(size - 4))
        throw ElzhException("LZH : Declared size " + std::to_string(declared) + " is more than " +
                            std::to_string(size - 4) + " bytes of data can hold");
    return LzhDecode(data + 4, size - 4, declared, overrun);
}

Bytes EncodeSkinFile(const uint8_t* data, size_t size) {
    Bytes body = LzhEncode(data, size);
    Bytes file(4 + body.size());
    PutU32(file.data(), uint32_t(size));
    std::copy(body.begin(), body.end(), file.begin() + 4);
    return file;
}

size_t ReadSkinStreamValue(const uint8_t* data, size_t size, Bytes& skinFile) {
    skinFile.clear();
    if (size < 4)
        throw StreamReadError();
    int32_t length = GetI32(data);
    if (length <= 0)
        return 4;
    if (size_t(length) > size - 4)
        throw StreamReadError();
    skinFile.assign(data + 4, data + 4 + length);
    return 4 + size_t(length);
}

Bytes WriteSkinStreamValue(const Bytes& skinFile) {
    if (skinFile.size() > 0x7FFFFFFFu)
        throw StreamWriteError();
    Bytes value(4 + skinFile.size());
    PutU32(value.data(), uint32_t(skinFile.size()));
    std::copy(skinFile.begin(), skinFile.end(), value.begin() + 4);
    return value;
}

}  // namespace core
