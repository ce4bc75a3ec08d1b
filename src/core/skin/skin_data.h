#pragma once
// The portable part of the skin component: it holds the compressed skin file, decodes it and
// reads the definitions that every painter uses.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/common/bitmap.h"
#include "core/common/bytes.h"
#include "core/skin/quick_ini.h"
#include "core/skin/skin_objects.h"
#include "core/skin/system_colours.h"

namespace core {

// Colour keys of the [Colours] section, in the order of the table that reads them.
enum TSkinColourKey : int {
    kSkinWindowText,
    kSkinButtonFace,
    kSkinScrollbar,
    kSkinHilightText,
    kSkinHilight,
    kSkinMenubar,
    kSkinMenu,
    kSkinMenuText,
    kSkinButtonText,
    kSkinButtonHilight,
    kSkinButtonlight,
    kSkinButtonShadow,
    kSkinButtonDkShadow,
    kSkinMenuBarText,
    kSkinTitleTextActive,
    kSkinTitleTextNoActive,
    kSkinColourCount
};
// The key's name as written in the skin ("WindowText", ...).
const char* SkinColourKeyName(int key);

// What the skin needs from the system it runs on.
struct SkinEnvironment {
    // Width of a horizontal scroll-bar arrow (SM_CXHSCROLL).
    int hScrollArrowWidth = 16;
    // The program's own bitmap resources ("TRACK", "TRACKVERT"); empty when missing.
    std::function<Bitmap(const std::string& name)> programBitmap;
    // Shown when a skin archive is refused ("This is Older Skin File...").
    std::function<void(const std::string& text)> showMessage;
};

// Colour as written in a skin: three numbers (red, green, blue) separated by any non-digits.
// A number is taken when a non-digit ends it; the number that ends the text counts only as
// the third. Components are cut to 8 bits, missing ones are 0.
uint32_t ParseSkinColour(const std::string& text);

class TSkinData {
  public:
    using EntryFetcher = std::function<Bytes(const std::string& name)>;

    explicit TSkinData(SkinEnvironment env = SkinEnvironment());
    ~TSkinData();
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // Published properties.
    std::string Version() const { return "1.0.0"; }
    void SetVersion(const std::string&) {}
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}
    const std::string& SkinFile() const { return skinFile_; }
    // At run time an existing file replaces the held skin, is loaded and then applied through
    // OnSkinLoaded; a missing file changes nothing.
    void SetSkinFile(const std::string& name);
    std::function<void()> OnSkinLoaded;
    bool Designing = false;

    // The stored "SkinStream" value: a 4-byte length, then the skin file. Reads from `data`
    // and returns the bytes taken; throws StreamError when the value is cut short.
    size_t ReadSkinProperty(const uint8_t* data, size_t size);
    Bytes WriteSkinProperty() const;
    const Bytes& SkinFileBytes() const { return skinMemory_; }
    void SetSkinFileBytes(Bytes skinFile) { skinMemory_ = std::move(skinFile); }

    // Decodes the held skin file and reads its definitions. Without a readable skin the
    // no-skin mark stays set.
    void LoadSkinFromStream();
    bool NoSkin() const { return noSkin_; }

    // The whole reading pass over a parsed definition; `fetch` hands out archive entries.
    void ReadDefinitions(const TQuickIni& ini, const EntryFetcher& fetch);
    // Empties `bmp` unless `fileName` names a ".bmp" entry that decodes.
    void LoadSkinBitmap(Bitmap& bmp, const std::string& fileName) const;

    // Results for the painters.
    const std::string& SkinName() const { return skinName_; }
    // Objects of the sections the skin has, plus the derived "ComboxArrow" and "Toolbar".
    const TDataSkinObject* Find(const std::string& name) const;
    const std::vector<std::unique_ptr<TDataSkinObject>>& Objects() const { return objects_; }
    // 0 Left, 1 Right, 2 Top, 3 Bottom.
    const TDataSkinObject& Border(int i) const { return *borders_[size_t(i)]; }
    const std::vector<std::unique_ptr<TDataSkinSysButton>>& CaptionButtons() const {
        return captionButtons_;
    }
    const TDataSkinButton& ButtonDef() const { return *button_; }
    const TDataSkinTitle& Title() const { return *title_; }
    TSkinColor Colour(int key) const { return colours_[size_t(key)]; }
    // One colour per "Colour..." section, in file order.
    const std::vector<std::pair<std::string, TSkinColor>>& SectionColours() const {
        return sectionColours_;
    }
    TSkinColor CustomColour(int i) const { return customColours_[size_t(i)]; }
    uint32_t CaptionColour() const { return captionColour_; }
    // The colour of the solid button-face brush the painters share.
    uint32_t ButtonFaceColour() const { return ResolveColour(colours_[kSkinButtonFace]); }

    static constexpr const char* kBorderNames[4] = {"Left", "Right", "Top", "Bottom"};

  private:
    void Clear();
    void ReadBorders(const TQuickIni& ini);
    void ReadColours(const TQuickIni& ini, const std::vector<std::string>& sections);
    void ReadCaptionButtons(const TQuickIni& ini, const std::vector<std::string>& sections);
    void ReadButtons(const TQuickIni& ini);
    void ReadTitle(const TQuickIni& ini);
    void ReadObjects(const TQuickIni& ini);
    void MakeDerivedImages();
    TDataSkinObject* FindMutable(const std::string& name);
    TDataSkinObject* Add(std::unique_ptr<TDataSkinObject> obj);

    SkinEnvironment env_;
    std::string skinFile_;
    Bytes skinMemory_;
    bool noSkin_ = true;
    const EntryFetcher* fetch_ = nullptr;

    std::string skinName_;
    std::vector<std::unique_ptr<TDataSkinObject>> objects_;
    std::array<std::unique_ptr<TDataSkinObject>, 4> borders_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> captionButtons_;
    std::unique_ptr<TDataSkinButton> button_;
    std::unique_ptr<TDataSkinTitle> title_;
    std::array<TSkinColor, kSkinColourCount> colours_{};
    std::vector<std::pair<std::string, TSkinColor>> sectionColours_;
    std::array<TSkinColor, 10> customColours_{};
    uint32_t captionColour_ = 0;
};

}  // namespace core
