#pragma once
// Skins made inside a test: a definition text and the pictures it names, read as the clock
// reads a skin archive; and a small window-frame skin whose pixels the frame tests know.
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

// Frames stacked, frame i (from 0) filled with colours[i].
inline core::Bitmap Stack(int w, int frameH, const std::vector<uint32_t>& colours) {
    core::Bitmap b(w, frameH * int(colours.size()));
    for (size_t i = 0; i < colours.size(); ++i)
        core::FillRect(b, core::Rect{0, int(i) * frameH, w, int(i + 1) * frameH}, colours[i]);
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

// Colours of the frame skin: active and inactive frames of each border.
constexpr uint32_t kLeftActive = 0x0000A0, kLeftInactive = 0x000050;
constexpr uint32_t kTopActive = 0x00A000, kTopInactive = 0x005000;
constexpr uint32_t kBottomActive = 0xA00000, kBottomInactive = 0x500000;

// Sides 4 wide with a 24-pixel caption and a 3-pixel bottom. The left and right pictures hold
// the caption's corners: their outermost top pixels are magenta (cut away), so a window's
// (0, 0) and (width - 1, 0) lie outside its region. Caption buttons: close (22 x 16, four
// frames, from the right at 26), minimise (from the right at 50, needs a minimise box) and the
// window icon (action 3, no picture).
inline TestSkin FrameSkin(bool transparentSides = true) {
    TestSkin s;
    core::Bitmap left = Strip(4, 40, {kLeftActive, kLeftInactive});
    core::Bitmap right = left;
    for (int f = 0; f < 2; ++f) {
        left.Set(f * 4, 0, core::kMagenta);
        left.Set(f * 4 + 1, 0, core::kMagenta);
        left.Set(f * 4, 1, core::kMagenta);
        right.Set(f * 4 + 3, 0, core::kMagenta);
        right.Set(f * 4 + 2, 0, core::kMagenta);
        right.Set(f * 4 + 3, 1, core::kMagenta);
    }
    s.Add("left.bmp", left);
    s.Add("right.bmp", right);
    s.Add("top.bmp", Stack(20, 24, {kTopActive, kTopInactive}));
    s.Add("bottom.bmp", Stack(20, 3, {kBottomActive, kBottomInactive}));
    s.Add("close.bmp", Strip(22, 16, {core::kMagenta, 0x2222FF, 0x8888FF, 0x999999}));
    s.Add("min.bmp", Strip(22, 16, {core::kMagenta, 0x22FF22, 0x88FF88, 0x999999}));
    const std::string trans = transparentSides ? "1" : "0";
    s.ini =
        "[Personality]\n"
        "Left=left.bmp\nLeftFrame=2\nLeftStretch=1\nLeftTrans=" +
        trans +
        "\n"
        "LeftTopHeight=24\nLeftBotHeight=3\n"
        "Right=right.bmp\nRightFrame=2\nRightStretch=1\nRightTrans=" +
        trans +
        "\n"
        "RightTopHeight=24\nRightBotHeight=3\n"
        "Top=top.bmp\nTopFrame=2\nTopStretch=1\nTopTrans=0\n"
        "Bottom=bottom.bmp\nBottomFrame=2\nBottomStretch=1\nBottomTrans=0\n"
        "TextShift=26\nTextRightClip=84\n"
        "[Button0]\nButtonImage=close.bmp\nAction=0\nAlign=1\nXcoord=26\nYcoord=4\nframe=4\n"
        "[Button1]\nButtonImage=min.bmp\nAction=2\nAlign=1\nXcoord=50\nYcoord=4\n"
        "Visibility=8\nframe=4\n"
        "[Button2]\nAction=3\nAlign=0\nXcoord=4\nYcoord=4\n";
    return s;
}

}  // namespace skintest
