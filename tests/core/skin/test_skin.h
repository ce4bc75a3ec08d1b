#pragma once
// Skins made inside a test: a definition text and the pictures it names, read as the clock
// reads a skin archive.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/common/bitmap.h"
#include "core/skin/img_util.h"
#include "core/skin/quick_ini.h"
#include "core/skin/skin_data.h"

namespace skintest {

// Frames side by side, frame i (from 0) filled with colours[i].
inline core::Bitmap Strip(int frameW, int h, const std::vector<uint32_t>& colours) {
    core::Bitmap b(frameW * int(colours.size()), h);
    for (size_t i = 0; i < colours.size(); ++i)
        core::FillRect(b, core::Rect{int(i) * frameW, 0, int(i + 1) * frameW, h}, colours[i]);
    return b;
}

struct TestSkin {
    std::string ini;
    std::map<std::string, core::Bytes> files;
    core::SkinEnvironment env;

    void Add(const std::string& name, const core::Bitmap& b) { files[name] = core::EncodeBmp24(b); }

    std::unique_ptr<core::TSkinData> Read() {
        auto data = std::make_unique<core::TSkinData>(env);
        core::TQuickIni q;
        q.Load(reinterpret_cast<const uint8_t*>(ini.data()), ini.size());
        core::TSkinData::EntryFetcher fetch = [this](const std::string& n) {
            auto it = files.find(core::LowerAscii(n));
            return it == files.end() ? core::Bytes() : it->second;
        };
        data->ReadDefinitions(q, fetch);
        return data;
    }
};

}  // namespace skintest
