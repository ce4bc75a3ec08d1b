#include "core/skin/skin_data.h"

#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace core {

uint32_t ParseSkinColour(const std::string& text) {
    uint32_t parts[3] = {0, 0, 0};
    int taken = 0;
    uint32_t number = 0;
    bool inNumber = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            number = number * 10 + uint32_t(c - '0');  // wraps; only the low 8 bits are kept
            inNumber = true;
        } else if (inNumber) {
            if (taken < 3)
                parts[taken] = number;
            ++taken;
            number = 0;
            inNumber = false;
        }
    }
    if (inNumber && taken == 2)
        parts[2] = number;
    return RGBColour(parts[0], parts[1], parts[2]);
}

TSkinData::TSkinData(SkinEnvironment env) : env_(std::move(env)) {
    Clear();
}

TSkinData::~TSkinData() = default;

std::string TSkinData::SkinStore() const {
    return Designing && !skinMemory_.empty() ? "(Good)" : "(none)";
}

void TSkinData::Clear() {
    skinName_.clear();
    objects_.clear();
    for (size_t i = 0; i < borders_.size(); ++i)
        borders_[i] = std::make_unique<TDataSkinObject>(kBorderNames[i]);
    captionButtons_.clear();
    button_ = std::make_unique<TDataSkinButton>("Buttons");
    title_ = std::make_unique<TDataSkinTitle>("Title");
    colours_.fill(0);
    sectionColours_.clear();
    customColours_.fill(TSkinColor(kWhite));
    captionColour_ = 0;
}

void TSkinData::LoadSkinBitmap(Bitmap& bmp, const std::string& fileName) const {
    bmp = Bitmap();
    const size_t cut = fileName.find_last_of("\\/:");
    const std::string name = cut == std::string::npos ? fileName : fileName.substr(cut + 1);
    const size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string::npos || name.substr(dot) != ".bmp")
        return;
    if (fetch_ == nullptr || !*fetch_)
        return;
    const Bytes entry = (*fetch_)(name);
    if (entry.empty())
        return;
    try {
        bmp = DecodeBmp(entry);
    } catch (const AppError&) {
        // A damaged picture leaves that element unskinned instead of failing the whole skin.
        bmp = Bitmap();
    }
}

const TDataSkinObject* TSkinData::Find(const std::string& name) const {
    const std::string wanted = LowerAscii(name);
    for (const auto& o : objects_)
        if (LowerAscii(o->Name) == wanted)
            return o.get();
    return nullptr;
}

TDataSkinObject* TSkinData::FindMutable(const std::string& name) {
    return const_cast<TDataSkinObject*>(Find(name));
}

TDataSkinObject* TSkinData::Add(std::unique_ptr<TDataSkinObject> obj) {
    objects_.push_back(std::move(obj));
    return objects_.back().get();
}

}  // namespace core
