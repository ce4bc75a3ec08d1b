// skinart OUTDIR: draws the default skin's pictures (flat light greys and blues) as .bmp files.
// The definition that uses them is assets/skin/Default.ini.
// skinart --program OUTDIR: draws the program's own pictures (icon, menu glyphs, tracks).
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "canvas.h"
#include "core/common/bitmap.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "program_art.h"

namespace {

using core::Bitmap;
using core::kMagenta;
using core::Rect;
using core::RGBColour;
using namespace skinart;

// Palette.
const uint32_t kFace = RGBColour(241, 243, 246);
const uint32_t kLine = RGBColour(172, 180, 192);
const uint32_t kLineLight = RGBColour(210, 214, 220);
const uint32_t kAccent = RGBColour(72, 118, 186);
const uint32_t kAccentSoft = RGBColour(96, 144, 210);
const uint32_t kHotFill = RGBColour(232, 241, 252);
const uint32_t kPressFill = RGBColour(208, 222, 240);
const uint32_t kPaper = RGBColour(252, 252, 253);
const uint32_t kGlyph = RGBColour(70, 78, 90);
const uint32_t kGlyphOff = RGBColour(172, 178, 188);

// Window frame geometry: sizes the definition's margins rely on.
constexpr int kCaption = 28, kSide = 5, kBottom = 5;
constexpr int kFrameW = 40, kFrameH = 48;

struct FrameStyle {
    uint32_t captionTop, captionBottom, outline, side;
};
const FrameStyle kActive = {RGBColour(104, 154, 220), RGBColour(76, 128, 198),
                            RGBColour(52, 96, 160), RGBColour(76, 128, 198)};
const FrameStyle kInactive = {RGBColour(222, 226, 232), RGBColour(206, 212, 220),
                              RGBColour(156, 164, 176), RGBColour(206, 212, 220)};

// A whole small window frame; the four borders are cut from it so that they always meet.
Bitmap WindowFrame(const FrameStyle& s) {
    Bitmap b(kFrameW, kFrameH, kFace);
    const Rect all{0, 0, kFrameW, kFrameH};
    core::GradientFill(b, Rect{0, 0, kFrameW, kCaption}, s.captionTop, s.captionBottom, true, all);
    core::FillRect(b, Rect{0, kCaption, kSide, kFrameH}, s.side);
    core::FillRect(b, Rect{kFrameW - kSide, kCaption, kFrameW, kFrameH}, s.side);
    core::FillRect(b, Rect{0, kFrameH - kBottom, kFrameW, kFrameH}, s.side);
    // A quiet line between frame and client area.
    const uint32_t inner = Shade(s.side, -18);
    HLine(b, kSide - 1, kFrameW - kSide + 1, kCaption - 1, inner);
    VLine(b, kSide - 1, kCaption - 1, kFrameH - kBottom + 1, inner);
    VLine(b, kFrameW - kSide, kCaption - 1, kFrameH - kBottom + 1, inner);
    HLine(b, kSide - 1, kFrameW - kSide + 1, kFrameH - kBottom, inner);
    // Outline with rounded corners: 6 at the top, 3 at the bottom; magenta is cut away.
    for (int y = 0; y < kFrameH; ++y)
        for (int x = 0; x < kFrameW; ++x) {
            const Zone z = RoundZone(all, y < kFrameH / 2 ? 6 : 3, x, y);
            if (z == Zone::Outside)
                b.Set(x, y, kMagenta);
            if (z == Zone::Edge)
                b.Set(x, y, s.outline);
        }
    return b;
}

Bitmap SideBySide(const std::vector<Bitmap>& frames) {
    Bitmap out(frames[0].width * int(frames.size()), frames[0].height);
    for (size_t i = 0; i < frames.size(); ++i)
        for (int y = 0; y < frames[i].height; ++y)
            for (int x = 0; x < frames[i].width; ++x)
                out.Set(int(i) * frames[i].width + x, y, frames[i].At(x, y));
    return out;
}

Bitmap Stacked(const std::vector<Bitmap>& frames) {
    Bitmap out(frames[0].width, frames[0].height * int(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i)
        for (int y = 0; y < frames[i].height; ++y)
            for (int x = 0; x < frames[i].width; ++x)
                out.Set(x, int(i) * frames[i].height + y, frames[i].At(x, y));
    return out;
}

// Caption button glyphs, 10 x 10, drawn into a button at (ox, oy).
enum class Glyph { Close, Maximise, Restore, Minimise };

// `ground` fills the inside of the front window of the restore glyph.
void DrawGlyph(Bitmap& b, Glyph g, int ox, int oy, uint32_t c, uint32_t ground) {
    switch (g) {
        case Glyph::Close:
            for (int i = 0; i < 9; ++i) {
                Pixel(b, ox + i, oy + i, c);
                Pixel(b, ox + i + 1, oy + i, c);
                Pixel(b, ox + 8 - i, oy + i, c);
                Pixel(b, ox + 9 - i, oy + i, c);
            }
            break;
        case Glyph::Maximise:
            RoundRect(b, Rect{ox, oy, ox + 10, oy + 9}, 0, kKeep, c);
            HLine(b, ox, ox + 10, oy + 1, c);
            break;
        case Glyph::Restore:
            RoundRect(b, Rect{ox + 3, oy, ox + 10, oy + 6}, 0, kKeep, c);
            RoundRect(b, Rect{ox, oy + 3, ox + 7, oy + 10}, 0, ground, c);
            break;
        case Glyph::Minimise:
            HLine(b, ox + 1, ox + 9, oy + 7, c);
            HLine(b, ox + 1, ox + 9, oy + 8, c);
            break;
    }
}

constexpr int kCapBtnW = 22, kCapBtnH = 18;

// Frames: normal, pressed, hot, inactive (the form skin picks them in that order).
Bitmap CaptionButton(Glyph g, bool danger) {
    const uint32_t hot = danger ? RGBColour(222, 72, 72) : Shade(kActive.captionBottom, 26);
    const uint32_t pressed = danger ? RGBColour(178, 44, 44) : Shade(kActive.captionBottom, -30);
    std::vector<Bitmap> frames;
    const uint32_t fills[4] = {kMagenta, pressed, hot, kMagenta};
    const uint32_t glyphs[4] = {core::kWhite, core::kWhite, core::kWhite, RGBColour(110, 118, 130)};
    for (int f = 0; f < 4; ++f) {
        Bitmap b(kCapBtnW, kCapBtnH, kMagenta);
        if (fills[f] != kMagenta)
            RoundRect(b, Rect{0, 0, kCapBtnW, kCapBtnH}, 3, fills[f], fills[f]);
        DrawGlyph(b, g, (kCapBtnW - 10) / 2, (kCapBtnH - 10) / 2, glyphs[f], fills[f]);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

constexpr int kMdiBtnW = 16, kMdiBtnH = 14;

// The buttons of a maximised MDI child in the menu bar (minimise, restore, close), four frames
// each: normal, pressed, hot, and hot again (the bar lights its MDI buttons with the fourth).
Bitmap MdiControls() {
    std::vector<Bitmap> frames;
    for (Glyph g : {Glyph::Minimise, Glyph::Restore, Glyph::Close}) {
        const uint32_t fills[4] = {kMagenta, kPressFill, kHotFill, kHotFill};
        for (uint32_t fill : fills) {
            Bitmap b(kMdiBtnW, kMdiBtnH, kMagenta);
            if (fill != kMagenta)
                RoundRect(b, Rect{0, 0, kMdiBtnW, kMdiBtnH}, 2, fill, kLine);
            DrawGlyph(b, g, (kMdiBtnW - 10) / 2, (kMdiBtnH - 10) / 2, kGlyph,
                      fill == kMagenta ? kFace : fill);
            frames.push_back(b);
        }
    }
    return SideBySide(frames);
}

// Push button frames: normal, pressed, disabled, hot, focused.
Bitmap PushButton() {
    struct Look {
        uint32_t fill, border;
    };
    const Look looks[5] = {{RGBColour(250, 251, 252), kLine},
                           {kPressFill, kAccent},
                           {RGBColour(243, 244, 246), RGBColour(208, 212, 218)},
                           {kHotFill, kAccentSoft},
                           {RGBColour(250, 251, 252), kAccent}};
    std::vector<Bitmap> frames;
    for (int f = 0; f < 5; ++f) {
        Bitmap b(32, 24);
        RoundRect(b, Rect{0, 0, 32, 24}, 3, looks[f].fill, looks[f].border, kMagenta);
        // A faint light band along the top keeps the flat face from looking dull.
        if (f != 1 && f != 2)
            HLine(b, 3, 29, 1, core::kWhite);
        if (f == 4)
            RoundRect(b, Rect{1, 1, 31, 23}, 2, kKeep, RGBColour(176, 204, 238));
        frames.push_back(b);
    }
    return SideBySide(frames);
}

// Edit-field frames for the combo box: normal, pressed, disabled, focused/hot.
Bitmap SunkEdge() {
    const uint32_t borders[4] = {kLine, kAccent, RGBColour(212, 216, 222), kAccentSoft};
    std::vector<Bitmap> frames;
    for (int f = 0; f < 4; ++f) {
        Bitmap b(12, 21);
        RoundRect(b, Rect{0, 0, 12, 21}, 2, f == 2 ? RGBColour(246, 247, 248) : core::kWhite,
                  borders[f], kMagenta);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

// The drop-down button part: a separator and, when hot or pressed, a tint. The outer ring
// stays magenta so that the edit frame drawn below shows through.
Bitmap ComboButton() {
    const uint32_t fills[4] = {kMagenta, kPressFill, kMagenta, kHotFill};
    const uint32_t seps[4] = {kLineLight, kAccent, RGBColour(228, 230, 234), kAccentSoft};
    std::vector<Bitmap> frames;
    for (int f = 0; f < 4; ++f) {
        Bitmap b(18, 21, kMagenta);
        core::FillRect(b, Rect{1, 1, 17, 20}, fills[f]);
        VLine(b, 1, 3, 18, seps[f]);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

// Down-arrow glyphs for the combo button: normal, pressed, disabled, hot, spare.
Bitmap ExtraImages() {
    const uint32_t colours[5] = {kGlyph, kAccent, kGlyphOff, kAccent, kGlyph};
    std::vector<Bitmap> frames;
    for (int f = 0; f < 5; ++f) {
        Bitmap b(9, 9, kMagenta);
        for (int row = 0; row < 4; ++row)
            HLine(b, 1 + row, 8 - row, 3 + row, colours[f]);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

// Menu items: normal, separator, normal, selected, disabled. Normal items let the menu's
// background through.
Bitmap MenuItem() {
    std::vector<Bitmap> frames;
    for (int f = 0; f < 5; ++f) {
        Bitmap b(20, 20, kMagenta);
        if (f == 1)
            HLine(b, 2, 18, 15, kLineLight);
        if (f == 3)
            RoundRect(b, Rect{0, 0, 20, 20}, 3, RGBColour(216, 230, 248), RGBColour(140, 176, 226),
                      kMagenta);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

Bitmap Panel(int w, int h, int radius, uint32_t fill, uint32_t border) {
    Bitmap b(w, h);
    RoundRect(b, Rect{0, 0, w, h}, radius, fill, border, kMagenta);
    return b;
}

// Tabs: normal, selected, disabled, hot, focused; rounded at the top only.
Bitmap Tabs() {
    const uint32_t fills[5] = {RGBColour(232, 235, 240), core::kWhite, RGBColour(240, 241, 243),
                               kHotFill, core::kWhite};
    std::vector<Bitmap> frames;
    for (int f = 0; f < 5; ++f) {
        Bitmap b(24, 22, kMagenta);
        RoundRect(b, Rect{0, 0, 24, 26}, 4, fills[f], f == 2 ? kLineLight : kLine, kMagenta);
        if (f == 1 || f == 4)
            HLine(b, 1, 23, 0, kAccentSoft);
        if (f != 1 && f != 4)
            HLine(b, 0, 24, 21, kLine);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

// List view header sections: normal, pressed, disabled, hot, and the header right of the last
// section. A light top line, a bottom rule, and a short divider at the right edge.
Bitmap Headerbar() {
    const uint32_t fills[5] = {kPaper, kPressFill, RGBColour(244, 245, 247), kHotFill, kPaper};
    const uint32_t rules[5] = {kLine, kAccent, kLineLight, kAccentSoft, kLine};
    std::vector<Bitmap> frames;
    for (int f = 0; f < 5; ++f) {
        Bitmap b(16, 20, fills[f]);
        if (f != 1)
            HLine(b, 0, 16, 0, core::kWhite);
        HLine(b, 0, 16, 19, rules[f]);
        if (f != 4)
            VLine(b, 15, 3, 17, kLineLight);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

void Arrow(Bitmap& b, int dir, uint32_t c) {
    // dir 0 up, 1 down, 2 left, 3 right: a 7 x 4 chevron centred in 16 x 16, its point (row
    // i = 3) towards where it scrolls.
    for (int i = 0; i < 4; ++i)
        for (int j = -(3 - i); j <= 3 - i; ++j) {
            const int along = dir == 0 || dir == 2 ? 9 - i : 6 + i;
            if (dir < 2)
                Pixel(b, 8 + j, along, c);
            else
                Pixel(b, along, 8 + j, c);
        }
}

// 23 frames of 16 x 16: arrows up, down, left, right (normal, hot, pressed, disabled each),
// horizontal thumb and vertical thumb (normal, hot, pressed), and the track.
Bitmap ScrollbarParts() {
    std::vector<Bitmap> frames;
    const uint32_t fills[4] = {kFace, kHotFill, kPressFill, kFace};
    const uint32_t glyphs[4] = {kGlyph, kAccent, kAccent, kGlyphOff};
    for (int dir = 0; dir < 4; ++dir)
        for (int s = 0; s < 4; ++s) {
            Bitmap b(16, 16, RGBColour(236, 238, 242));
            if (s == 1 || s == 2)
                RoundRect(b, Rect{1, 1, 15, 15}, 2, fills[s], kLineLight);
            Arrow(b, dir, glyphs[s]);
            frames.push_back(b);
        }
    const uint32_t thumbs[3] = {RGBColour(196, 202, 212), RGBColour(160, 178, 204), kAccentSoft};
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int s = 0; s < 3; ++s) {
            Bitmap b(16, 16, RGBColour(236, 238, 242));
            const Rect r = vertical ? Rect{4, 1, 12, 15} : Rect{1, 4, 15, 12};
            RoundRect(b, r, 3, thumbs[s], thumbs[s]);
            frames.push_back(b);
        }
    frames.push_back(Bitmap(16, 16, RGBColour(236, 238, 242)));
    return SideBySide(frames);
}

Bitmap ScrollTrack(bool vertical) {
    std::vector<Bitmap> frames;
    const uint32_t fills[4] = {RGBColour(236, 238, 242), RGBColour(228, 232, 238),
                               RGBColour(216, 222, 232), RGBColour(244, 245, 247)};
    for (uint32_t c : fills) {
        Bitmap b(16, 16, c);
        if (vertical)
            VLine(b, 0, 0, 16, RGBColour(226, 229, 234));
        else
            HLine(b, 0, 16, 0, RGBColour(226, 229, 234));
        frames.push_back(b);
    }
    return SideBySide(frames);
}

Bitmap ScrollThumb(bool vertical) {
    std::vector<Bitmap> frames;
    const uint32_t fills[3] = {RGBColour(196, 202, 212), RGBColour(160, 178, 204), kAccentSoft};
    for (uint32_t c : fills) {
        Bitmap b(16, 16, RGBColour(236, 238, 242));
        RoundRect(b, vertical ? Rect{3, 0, 13, 16} : Rect{0, 3, 16, 13}, 4, c, c);
        frames.push_back(b);
    }
    return SideBySide(frames);
}

Bitmap MenuBar() {
    std::vector<Bitmap> frames;
    for (int f = 0; f < 2; ++f) {
        Bitmap b(16, 20, kFace);
        HLine(b, 0, 16, 19, f == 0 ? RGBColour(220, 224, 230) : RGBColour(230, 232, 236));
        frames.push_back(b);
    }
    return SideBySide(frames);
}

void Save(const std::string& dir, const std::string& name, const Bitmap& b) {
    const core::Bytes bytes = core::EncodeBmp24(b);
    core::WriteWholeFile(dir + "/" + name, bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    const bool program = argc == 3 && std::string(argv[1]) == "--program";
    if (argc != 2 && !program) {
        std::fprintf(stderr, "usage: skinart OUTDIR | skinart --program OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[argc - 1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    try {
        if (program) {
            skinart::WriteProgramResources(dir);
            return 0;
        }
        const Bitmap active = WindowFrame(kActive), inactive = WindowFrame(kInactive);
        auto cut = [&](const Rect& r) {
            return std::vector<Bitmap>{core::Crop(active, r), core::Crop(inactive, r)};
        };
        Save(dir, "left.bmp", SideBySide(cut(Rect{0, 0, kSide, kFrameH})));
        Save(dir, "right.bmp", SideBySide(cut(Rect{kFrameW - kSide, 0, kFrameW, kFrameH})));
        Save(dir, "top.bmp", Stacked(cut(Rect{kSide, 0, kFrameW - kSide, kCaption})));
        Save(dir, "bottom.bmp",
             Stacked(cut(Rect{kSide, kFrameH - kBottom, kFrameW - kSide, kFrameH})));
        Save(dir, "close.bmp", CaptionButton(Glyph::Close, true));
        Save(dir, "maximise.bmp", CaptionButton(Glyph::Maximise, false));
        Save(dir, "restore.bmp", CaptionButton(Glyph::Restore, false));
        Save(dir, "minimise.bmp", CaptionButton(Glyph::Minimise, false));
        Save(dir, "button.bmp", PushButton());
        Save(dir, "sunkedge.bmp", SunkEdge());
        Save(dir, "combobutton.bmp", ComboButton());
        Save(dir, "extraimages.bmp", ExtraImages());
        Save(dir, "menuitem.bmp", MenuItem());
        Save(dir, "menubackground.bmp", Panel(16, 16, 0, kPaper, RGBColour(176, 184, 196)));
        Save(dir, "menubar.bmp", MenuBar());
        Save(dir, "mdicontrols.bmp", MdiControls());
        Save(dir, "groupbox.bmp", Panel(16, 16, 4, kMagenta, kLine));
        Save(dir, "groupboxedge.bmp",
             SideBySide(
                 {Panel(16, 16, 4, kMagenta, kLine), Panel(16, 16, 4, kMagenta, kLineLight)}));
        Save(dir, "tabs.bmp", Tabs());
        Save(dir, "tabborder.bmp", Panel(16, 16, 0, core::kWhite, kLine));
        Save(dir, "tabpane.bmp", Panel(16, 16, 2, core::kWhite, kLine));
        Save(dir, "headerbar.bmp", Headerbar());
        Save(dir, "scrollbar.bmp", ScrollbarParts());
        Save(dir, "horzscroll.bmp", ScrollTrack(false));
        Save(dir, "vertscroll.bmp", ScrollTrack(true));
        Save(dir, "horzthumb.bmp", ScrollThumb(false));
        Save(dir, "vertthumb.bmp", ScrollThumb(true));
    } catch (const core::AppError& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 2;
    }
    return 0;
}
