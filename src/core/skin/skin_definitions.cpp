// The definition reader of TSkinData: every section, key and default a skin may carry.
#include <algorithm>
#include <cstring>

#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace core {

namespace {

constexpr const char* kPersonality = "Personality";

struct ColourRow {
    const char* key;
    TSkinColor def;  // kSkinMenubar takes the button face as read instead
};

constexpr ColourRow kColourTable[kSkinColourCount] = {
    {"WindowText", SystemColour(kColorWindowText)},
    {"ButtonFace", SystemColour(kColorBtnFace)},
    {"Scrollbar", SystemColour(kColorScrollbar)},
    {"HilightText", SystemColour(kColorHighlightText)},
    {"Hilight", SystemColour(kColorHighlight)},
    {"Menubar", SystemColour(kColorBtnFace)},
    {"Menu", SystemColour(kColorMenu)},
    {"MenuText", SystemColour(kColorMenuText)},
    {"ButtonText", SystemColour(kColorBtnText)},
    {"ButtonHilight", SystemColour(kColorBtnHighlight)},
    {"Buttonlight", SystemColour(kColorBtnHighlight)},
    {"ButtonShadow", SystemColour(kColorBtnShadow)},
    {"ButtonDkShadow", SystemColour(kColor3DDkShadow)},
    {"MenuBarText", SystemColour(kColorMenuText)},
    {"TitleTextActive", SystemColour(kColorCaptionText)},
    {"TitleTextNoActive", SystemColour(kColorInactiveCaptionText)},
};

enum class Reader { Image, ImageSecond, BitmapKey, BoxLabel, MenuBar, Track };
// How step 8 settles the frame count.
enum class Frames { AsRead, Fixed, ProgressStyle, FixedIfZero, ThumbKey };

struct ObjectRow {
    const char* section;
    Reader reader;
    const char* secondKey;
    Frames frames;
    int count;
};

constexpr ObjectRow kObjectTable[] = {
    {"Progress", Reader::BitmapKey, nullptr, Frames::ProgressStyle, 0},
    {"Progress.Chunk", Reader::Image, nullptr, Frames::AsRead, 0},
    {"menuBar", Reader::MenuBar, nullptr, Frames::Fixed, 2},
    {"GroupBoxEdge", Reader::Image, nullptr, Frames::Fixed, 2},
    {"GroupBox", Reader::BoxLabel, nullptr, Frames::Fixed, 1},
    {"Tabs", Reader::ImageSecond, "Border", Frames::Fixed, 5},
    {"StatusBarEdges", Reader::Image, nullptr, Frames::Fixed, 3},
    {"Tab.Pane", Reader::Image, nullptr, Frames::Fixed, 1},
    {"ToolBars", Reader::Image, nullptr, Frames::Fixed, 5},
    {"ComboButton", Reader::ImageSecond, "****", Frames::Fixed, 4},
    {"SunkEdge", Reader::Image, nullptr, Frames::Fixed, 4},
    {"ExtraImages", Reader::Image, nullptr, Frames::Fixed, 5},
    {"Headerbar", Reader::Image, nullptr, Frames::FixedIfZero, 5},
    {"MenuItem", Reader::Image, nullptr, Frames::Fixed, 5},
    {"MenuBackground", Reader::Image, nullptr, Frames::Fixed, 1},
    {"Scrollbar", Reader::Image, nullptr, Frames::Fixed, 23},
    {"HorzScroll", Reader::Image, nullptr, Frames::Fixed, 4},
    {"VertScroll", Reader::Image, nullptr, Frames::Fixed, 4},
    {"HorzScrollThumb", Reader::Image, nullptr, Frames::ThumbKey, 3},
    {"VertScrollThumb", Reader::Image, nullptr, Frames::ThumbKey, 3},
    {"Trackbar.ThumbHorz", Reader::Image, nullptr, Frames::Fixed, 5},
    {"Trackbar.ThumbVert", Reader::Image, nullptr, Frames::Fixed, 5},
    {"Trackbar.ThumbLeft", Reader::Image, nullptr, Frames::Fixed, 5},
    {"Trackbar.ThumbRight", Reader::Image, nullptr, Frames::Fixed, 5},
    {"Trackbar.ThumbUp", Reader::Image, nullptr, Frames::Fixed, 5},
    {"Trackbar.ThumbDown", Reader::Image, nullptr, Frames::Fixed, 5},
    {"UpDown.Horz", Reader::ImageSecond, "GlyphImage", Frames::Fixed, 8},
    {"UpDown.Vert", Reader::ImageSecond, "GlyphImage", Frames::Fixed, 8},
    {"Track", Reader::Track, nullptr, Frames::AsRead, 0},
    {"TRACKVERT", Reader::Track, nullptr, Frames::AsRead, 0},
};

// Sunken combo cells are this size, whatever the skin's pictures.
constexpr int kComboCellWidth = 50, kComboCellHeight = 21;
constexpr int kComboArrowSide = 17;

TSkinColor ReadColour(const TQuickIni& ini,
                      const std::string& section,
                      const std::string& key,
                      TSkinColor def) {
    const std::string text = ini.ReadString(section, key, "");
    return text.empty() ? def : TSkinColor(ParseSkinColour(text));
}

void ReadMargins(const TQuickIni& ini, const std::string& s, TDataSkinObject& o) {
    o.LeftWidth = ini.ReadInteger(s, "LeftWidth", 0);
    o.RightWidth = ini.ReadInteger(s, "RightWidth", 0);
    o.TopHeight = ini.ReadInteger(s, "TopHeight", 0);
    o.BottomHeight = ini.ReadInteger(s, "BottomHeight", 0);
    o.Trans = ini.ReadInteger(s, "Trans", 0);
}

void ReadTextColours(const TQuickIni& ini,
                     const std::string& s,
                     TSkinColor buttonText,
                     TDataSkinObject& o) {
    o.NormalColour = ini.ReadInteger(s, "NormalColour", -1);
    o.MouseOverColour = ini.ReadInteger(s, "MouseOverColour", -1);
    o.PressedColour = ini.ReadInteger(s, "PressedColour", -1);
    o.NormalColour2 = ReadColour(ini, s, "NormalColour2", buttonText);
    o.MouseOverColour2 = ReadColour(ini, s, "MouseOverColour2", buttonText);
    o.PressedColour2 = ReadColour(ini, s, "PressedColour2", buttonText);
}

// Frames of `obj` side by side; an empty rectangle when it has no picture.
Rect ObjectFrame(const TDataSkinObject& obj, int frame, int count) {
    return FrameRect(obj.Picture, count, frame);
}

void NineGrid(Bitmap& target,
              const Rect& dst,
              const TDataSkinObject& obj,
              const Rect& src,
              bool tile,
              bool transparent) {
    DrawPieces(target, obj.Picture,
               NineGridPieces(
                   src, dst,
                   Margins{obj.LeftWidth, obj.TopHeight, obj.RightWidth, obj.BottomHeight}, tile),
               transparent);
}

}  // namespace

const char* SkinColourKeyName(int key) {
    return key >= 0 && key < kSkinColourCount ? kColourTable[key].key : "";
}

void TSkinData::ReadDefinitions(const TQuickIni& ini, const EntryFetcher& fetch) {
    Clear();
    fetch_ = &fetch;
    struct Reset {
        const EntryFetcher** p;
        ~Reset() { *p = nullptr; }
    } reset{&fetch_};

    std::vector<std::string> sections;
    ini.ReadSections(sections);
    skinName_ = ini.ReadString("TitlebarSkin", "SkinName", "");
    ReadBorders(ini);
    ReadColours(ini, sections);
    ReadCaptionButtons(ini, sections);
    ReadButtons(ini);
    ReadTitle(ini);
    ReadObjects(ini);
    MakeDerivedImages();
    noSkin_ = false;
}

void TSkinData::ReadBorders(const TQuickIni& ini) {
    for (int i = 0; i < 4; ++i) {
        const std::string name = kBorderNames[i];
        auto b = std::make_unique<TDataSkinObject>(name);
        LoadSkinBitmap(b->Picture, ini.ReadString(kPersonality, name, ""));
        b->FrameCount = ini.ReadInteger(kPersonality, name + "Frame", 1);
        b->Tile = std::min(1, ini.ReadInteger(kPersonality, name + "Stretch", 1));
        b->Trans = ini.ReadInteger(kPersonality, name + "Trans", 1);
        const int32_t first = ini.ReadInteger(kPersonality, name + "TopHeight", 0);
        const int32_t last = ini.ReadInteger(kPersonality, name + "BotHeight", 0);
        if (i < 2) {
            b->TopHeight = first;
            b->BottomHeight = last;
        } else {
            b->LeftWidth = first;
            b->RightWidth = last;
        }
        borders_[size_t(i)] = std::move(b);
    }
}

void TSkinData::ReadColours(const TQuickIni& ini, const std::vector<std::string>& sections) {
    for (int k = 0; k < kSkinColourCount; ++k) {
        const TSkinColor def = k == kSkinMenubar ? colours_[kSkinButtonFace] : kColourTable[k].def;
        colours_[size_t(k)] = ReadColour(ini, "Colours", kColourTable[k].key, def);
    }
    for (const std::string& s : sections) {
        const std::string upper = UpperAscii(s);
        if (upper.compare(0, 6, "COLOUR") == 0 && upper != "COLOURS")
            sectionColours_.emplace_back(
                s, ReadColour(ini, s, "color", SystemColour(kColorWindowText)));
    }
    for (int i = 0; i < 10; ++i)
        customColours_[size_t(i)] =
            ReadColour(ini, "Customcolors", "Color" + std::to_string(i), TSkinColor(kWhite));
}

void TSkinData::ReadCaptionButtons(const TQuickIni& ini, const std::vector<std::string>& sections) {
    for (const std::string& section : sections) {
        const std::string s = UpperAscii(section);
        if (s == "BUTTONS" || s == "BUTTON.RADIO" || s == "BUTTON.CHECKBOX" || s == "BUTTON" ||
            s.compare(0, 6, "BUTTON") != 0)
            continue;
        // A button that does nothing and is hidden is left out.
        if (ini.ReadInteger(s, "Action", 0) == -1 && ini.ReadInteger(s, "Visibility", -1) != 0)
            continue;
        auto b = std::make_unique<TDataSkinSysButton>(s);
        b->Action = ini.ReadInteger(s, "Action", 0);
        b->Align = ini.ReadInteger(s, "Align", 0);
        b->XCoord = ini.ReadInteger(s, "Xcoord", 0);
        b->YCoord = ini.ReadInteger(s, "Ycoord", 0);
        b->Visibility = ini.ReadInteger(s, "Visibility", 0);
        b->Visibility1 = ini.ReadInteger(s, "Visibility1", b->Action == -1 ? -1 : 0);
        b->CombineOp = ini.ReadInteger(s, "CombineOp", -1);
        b->FrameCount = ini.ReadInteger(s, "frame", 0);
        LoadSkinBitmap(b->Picture, ini.ReadString(s, "ButtonImage", ""));
        if (b->FrameCount == 0) {
            b->FrameCount = 6;
            if (!b->Picture.Empty()) {
                const double ratio = double(b->Picture.width) / double(b->Picture.height);
                b->FrameCount = ratio <= 3.8 ? 3 : 6;
                if (b->Action < 0)
                    b->FrameCount = 6;
            }
            if (b->Action == 3 || b->Action == 11)
                b->Picture = Bitmap();
        }
        captionButtons_.push_back(std::move(b));
    }

    Bitmap mdi;
    LoadSkinBitmap(mdi, ini.ReadString("MDICONTROLS", "Image", ""));
    const int w = mdi.width / 12;
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
        b->Action = 7 + i;
        b->Align = 100;
        b->Visibility = 100;
        b->Visibility1 = 100;
        b->FrameCount = 4;
        if (!mdi.Empty()) {
            b->Picture = Crop(mdi, Rect{4 * w * i, 0, 4 * w * (i + 1), mdi.height});
            b->XCoord = (w + 4) * (3 - i);
        }
        captionButtons_.push_back(std::move(b));
    }
}

void TSkinData::ReadButtons(const TQuickIni& ini) {
    const std::string s = "Buttons";
    button_ = std::make_unique<TDataSkinButton>(s);
    TDataSkinButton& b = *button_;
    ReadMargins(ini, s, b);
    b.Tile = ini.ReadInteger(s, "Tile", 0);
    if (b.Tile > 1)
        b.Tile = 0;
    LoadSkinBitmap(b.Picture, ini.ReadString(s, "Bitmap", ""));
    LoadSkinBitmap(b.CheckPicture, ini.ReadString(s, "CheckButton", ""));
    LoadSkinBitmap(b.RadioPicture, ini.ReadString(s, "RadioButton", ""));
    b.RadioFrameCount = ini.ReadInteger(s, "RadioButtonFrame", 0);
    b.CheckFrameCount = ini.ReadInteger(s, "CheckButtonFrame", 0);
    ReadTextColours(ini, s, colours_[kSkinButtonText], b);
    b.HasNormalColour2 = !ini.ReadString(s, "NormalColour2", "").empty();
    b.HasMouseOverColour2 = !ini.ReadString(s, "MouseOverColour2", "").empty();
    b.HasPressedColour2 = !ini.ReadString(s, "PressedColour2", "").empty();
}

void TSkinData::ReadTitle(const TQuickIni& ini) {
    title_ = std::make_unique<TDataSkinTitle>("Title");
    TDataSkinTitle& t = *title_;
    LoadSkinBitmap(t.Picture, ini.ReadString(kPersonality, "TextBack", ""));
    t.LeftWidth = ini.ReadInteger(kPersonality, "TextShift", 0);
    t.TopHeight = ini.ReadInteger(kPersonality, "TextShiftVert", 0);
    t.RightWidth = ini.ReadInteger(kPersonality, "TextRightClip", 0);
    t.TextAlignment = ini.ReadInteger(kPersonality, "TextAlignment", 0);
    t.TextBackground = ini.ReadInteger(kPersonality, "Textbackground", 0);
    t.TextBackLeftWidth = ini.ReadInteger(kPersonality, "TXTBackleft", 0);
    t.TextBackRightWidth = ini.ReadInteger(kPersonality, "TXTBackRight", 0);
    t.FontHeight = ini.ReadInteger("Fonts", "FontHeight", 14);
    auto rgb = [&](const std::string& prefix, TSkinColor& out) {
        const int32_t r = ini.ReadInteger(kPersonality, prefix + "R", -1);
        const int32_t g = ini.ReadInteger(kPersonality, prefix + "G", -1);
        const int32_t b = ini.ReadInteger(kPersonality, prefix + "B", -1);
        if (r >= 0 && g >= 0 && b >= 0)
            out = TSkinColor(RGBColour(r, g, b));
    };
    rgb("ActiveText", t.ActiveTextColour);
    rgb("InActiveText", t.InactiveTextColour);
    t.FrameCount = 2;
}

void TSkinData::ReadObjects(const TQuickIni& ini) {
    const TSkinColor buttonText = colours_[kSkinButtonText];
    for (const ObjectRow& row : kObjectTable) {
        const std::string s = row.section;
        std::unique_ptr<TDataSkinObject> obj;
        switch (row.reader) {
            case Reader::MenuBar: {
                const std::string image = ini.ReadString(kPersonality, "menuBar", "");
                if (image.empty())
                    continue;
                obj = std::make_unique<TDataSkinObject>(s);
                LoadSkinBitmap(obj->Picture, image);
                obj->Tile = std::min(1, ini.ReadInteger(kPersonality, "TileMenu", 1));
                obj->LeftWidth = ini.ReadInteger(kPersonality, "TileLeftMenu", 1);
                obj->RightWidth = ini.ReadInteger(kPersonality, "TileRightMenu", 1);
                break;
            }
            case Reader::BitmapKey: {
                const std::string image = ini.ReadString(s, "Bitmap", "");
                if (image.empty())
                    continue;
                obj = std::make_unique<TDataSkinObject>(s);
                LoadSkinBitmap(obj->Picture, image);
                obj->Style = ini.ReadInteger(s, "Style", 0);
                ReadMargins(ini, s, *obj);
                obj->Tile = std::min(1, ini.ReadInteger(s, "Tile", 0));
                break;
            }
            default: {
                const std::string image = ini.ReadString(s, "Image", "");
                if (image.empty() && row.reader == Reader::Track) {
                    Bitmap fallback;
                    if (env_.programBitmap)
                        fallback = env_.programBitmap(UpperAscii(s));
                    if (fallback.Empty())
                        continue;
                    obj = std::make_unique<TDataSkinObject>(s);
                    obj->Picture = std::move(fallback);
                    obj->LeftWidth = obj->TopHeight = obj->RightWidth = obj->BottomHeight = 3;
                    obj->FrameCount = 1;
                    break;
                }
                if (image.empty())
                    continue;
                if (row.reader == Reader::ImageSecond)
                    obj = std::make_unique<TDataSkinBorder>(s);
                else if (row.reader == Reader::BoxLabel)
                    obj = std::make_unique<TDataSkinBoxLabel>(s);
                else
                    obj = std::make_unique<TDataSkinObject>(s);
                LoadSkinBitmap(obj->Picture, image);
                obj->Style = ini.ReadInteger(s, "Style", 0);
                ReadMargins(ini, s, *obj);
                obj->FrameCount = ini.ReadInteger(s, "Frame", 0);
                obj->Tile = ini.ReadInteger(s, "Tile", 0);
                if (obj->Tile > 1)
                    obj->Tile = 0;
                ReadTextColours(ini, s, buttonText, *obj);
                if (row.reader == Reader::ImageSecond)
                    LoadSkinBitmap(static_cast<TDataSkinBorder&>(*obj).Picture2,
                                   ini.ReadString(s, row.secondKey, ""));
                if (auto* box = dynamic_cast<TDataSkinBoxLabel*>(obj.get())) {
                    box->BackgroundAlignment = ini.ReadInteger(s, "BackgroundAlignment", 0);
                    box->BackgroundLeftShift = ini.ReadInteger(s, "BackgroundLeftShift", 0);
                    box->BackgroundRightShift = ini.ReadInteger(s, "BackgroundRightShift", 0);
                }
                if (s == "Tab.Pane") {
                    obj->LeftWidth = std::min(obj->LeftWidth, 4);
                    obj->TopHeight = std::min(obj->TopHeight, 4);
                    obj->RightWidth = std::min(obj->RightWidth, 4);
                    obj->BottomHeight = std::min(obj->BottomHeight, 4);
                }
                if (s == "ComboButton" && !obj->Picture.Empty())
                    static_cast<TDataSkinBorder&>(*obj).Picture2 = Mirrored(obj->Picture);
            }
        }
        switch (row.frames) {
            case Frames::AsRead:
                break;
            case Frames::Fixed:
                obj->FrameCount = row.count;
                break;
            case Frames::ProgressStyle:
                obj->FrameCount = obj->Style != 0 ? 1 : 2;
                break;
            case Frames::FixedIfZero:
                if (obj->FrameCount == 0)
                    obj->FrameCount = row.count;
                break;
            case Frames::ThumbKey:
                obj->FrameCount = ini.ReadInteger(s, "FrameCount", row.count);
                break;
        }
        Add(std::move(obj));
    }

    TDataSkinButton& b = *button_;
    b.FrameCount = 5;
    auto smallFrames = [](const Bitmap& pic, int32_t count) {
        if (count != 0)
            return count;
        return std::max(4, pic.height < 16 ? pic.width / 13 : pic.width / 16);
    };
    b.RadioFrameCount = smallFrames(b.RadioPicture, b.RadioFrameCount);
    b.CheckFrameCount = smallFrames(b.CheckPicture, b.CheckFrameCount);
}

void TSkinData::MakeDerivedImages() {
    const uint32_t face = ButtonFaceColour();
    TDataSkinObject* sunk = FindMutable("SunkEdge");
    TDataSkinObject* combo = FindMutable("ComboButton");
    const TDataSkinObject* extra = Find("ExtraImages");

    if (sunk != nullptr && combo != nullptr) {
        const int s = env_.hScrollArrowWidth + 2;
        const int cells = std::max(1, sunk->FrameCount);
        Bitmap strip(kComboCellWidth * cells, kComboCellHeight, kMagenta);
        for (int f = 1; f <= cells; ++f) {
            const int x0 = (f - 1) * kComboCellWidth;
            const Rect cell{x0, 0, x0 + kComboCellWidth, kComboCellHeight};
            NineGrid(strip, cell, *sunk, ObjectFrame(*sunk, f, cells), false, sunk->Trans == 1);
            const Rect button{cell.right - s, 0, cell.right, kComboCellHeight};
            NineGrid(strip, button, *combo, ObjectFrame(*combo, f, combo->FrameCount),
                     combo->Tile == 1, true);
            if (extra != nullptr)
                DrawPieces(strip, extra->Picture,
                           FramePieces(ObjectFrame(*extra, f, extra->FrameCount), button, false),
                           true);
            // The middle stays see-through so the system-drawn text shows.
            FillRect(strip, Rect{x0 + 2, 2, x0 + kComboCellWidth - 1 - s, 18}, kMagenta);
        }
        combo->Style = 2;
        combo->TopHeight = sunk->TopHeight;
        combo->BottomHeight = sunk->BottomHeight;
        combo->LeftWidth = 2;
        combo->RightWidth = s + 2;
        combo->Picture = strip;
        sunk->Picture = Mirrored(strip);
        sunk->LeftWidth = s + 2;
        sunk->RightWidth = 2;
    }

    if (combo != nullptr) {
        auto arrow = std::make_unique<TDataSkinObject>("ComboxArrow");
        if (sunk == nullptr) {
            arrow->Picture = combo->Picture;
            ReplaceMagenta(arrow->Picture, face);
            arrow->FrameCount = combo->FrameCount;
            Add(std::move(arrow));
        } else if (combo->Style == 2) {
            const int frames = std::max(1, sunk->FrameCount);
            const int fw = combo->Picture.width / frames;
            arrow->Picture = Bitmap(kComboArrowSide * frames, kComboArrowSide);
            for (int f = 0; f < frames; ++f) {
                const int right = (f + 1) * fw;
                const Bitmap part =
                    Crop(combo->Picture, Rect{right - 19, 2, right - 2, 2 + kComboArrowSide});
                for (int y = 0; y < kComboArrowSide; ++y)
                    for (int x = 0; x < kComboArrowSide; ++x)
                        arrow->Picture.Set(f * kComboArrowSide + x, y, part.At(x, y));
            }
            arrow->FrameCount = frames;
            Add(std::move(arrow));
        }
    }

    const TDataSkinObject& top = *borders_[2];
    if (!top.Picture.Empty()) {
        const int frameHeight = top.Picture.height / std::max(1, top.FrameCount);
        captionColour_ = top.Picture.At(top.Picture.width / 3, frameHeight / 3) & 0xFFFFFF;
    } else {
        captionColour_ = face;
    }

    const TSkinColor cc = TSkinColor(captionColour_);
    const uint32_t topColour = MixColors(TSkinColor(face), TSkinColor(kWhite), 150);
    uint32_t bottomColour = MixColors(TSkinColor(RGBColour(128, 128, 128)), cc, 150);
    const int sat = SaturationFigure(cc);
    if (sat > 110)
        bottomColour = MixColors(cc, TSkinColor(kWhite), (5625 - 25 * sat) / 140 + 50);
    auto toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    toolbar->Picture = Bitmap(10, 40);
    GradientFill(toolbar->Picture, Rect{0, 0, 10, 40}, topColour, bottomColour, true,
                 Rect{0, 0, 10, 40});
    toolbar->FrameCount = 1;
    Add(std::move(toolbar));
}

}  // namespace core
