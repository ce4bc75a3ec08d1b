// skinpreview SKIN OUTPUT.bmp: composes a sample of what a skin looks like (an active and an
// inactive window frame with caption buttons, push buttons in every state, combo boxes and a
// menu) with the core's software compositor. SKIN is a skin file or a folder holding the
// definition (.ini) and its pictures.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/common/bitmap.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace {

using core::Bitmap;
using core::Rect;

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

void LoadFolder(core::TSkinData& skin, const std::string& dir) {
    std::string iniName;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
        const std::string n = e.path().filename().string();
        if (n.size() > 4 && core::LowerAscii(n.substr(n.size() - 4)) == ".ini")
            iniName = n;
    }
    if (iniName.empty())
        throw core::AppError("no .ini file in " + dir);
    core::TQuickIni ini;
    ini.Load(core::ReadWholeFile(dir + "/" + iniName));
    const core::TSkinData::EntryFetcher fetch = [&](const std::string& name) {
        const std::string path = dir + "/" + name;
        return core::FileExists(path) ? core::ReadWholeFile(path) : core::Bytes();
    };
    skin.ReadDefinitions(ini, fetch);
}

// A skinned window of the given size at (x, y): borders, caption and caption buttons.
void DrawWindow(Bitmap& canvas,
                const core::TSkinData& skin,
                int x,
                int y,
                int w,
                int h,
                bool active) {
    const auto& left = skin.Border(0);
    const auto& right = skin.Border(1);
    const auto& top = skin.Border(2);
    const auto& bottom = skin.Border(3);
    auto frames = [](const core::TDataSkinObject& o) { return std::max(1, o.FrameCount); };
    const int lw = left.Picture.width / frames(left), rw = right.Picture.width / frames(right);
    const int ch = top.Picture.height / frames(top), bh = bottom.Picture.height / frames(bottom);
    auto frameOf = [&](const core::TDataSkinObject& o) { return active || frames(o) == 1 ? 1 : 2; };
    core::FillRect(canvas, Rect{x + lw, y + ch, x + w - rw, y + h - bh}, skin.ButtonFaceColour());
    auto border = [&](const core::TDataSkinObject& o, const Rect& r, bool stacked) {
        const Rect src = core::FrameRect(o.Picture, o.FrameCount, frameOf(o), stacked);
        const core::Margins m{o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight};
        core::DrawPieces(canvas, o.Picture, core::NineGridPieces(src, r, m, o.Tile != 1),
                         o.Trans == 1);
    };
    border(left, Rect{x, y, x + lw, y + h}, false);
    border(right, Rect{x + w - rw, y, x + w, y + h}, false);
    border(bottom, Rect{x + lw, y + h - bh, x + w - rw, y + h}, true);
    border(top, Rect{x + lw, y, x + w - rw, y + ch}, true);
    for (const auto& b : skin.CaptionButtons()) {
        if (b->Picture.Empty() || b->Align == 100)
            continue;
        if (b->Visibility == 1)
            continue;  // shown only while maximised
        const int bw = b->Picture.width / std::max(1, b->FrameCount);
        const int bx = b->Align == 1 ? x + w - b->XCoord : x + b->XCoord;
        const int frame = active || b->FrameCount < 4 ? 1 : 4;
        core::DrawPieces(
            canvas, b->Picture,
            core::FramePieces(core::FrameRect(b->Picture, b->FrameCount, frame),
                              Rect{bx, y + b->YCoord, bx + bw, y + b->YCoord + b->Picture.height},
                              true),
            true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinpreview SKIN OUTPUT.bmp\n");
        return 2;
    }
    try {
        core::TSkinData skin;
        if (IsFolder(argv[1])) {
            LoadFolder(skin, argv[1]);
        } else {
            skin.SetSkinFileBytes(core::ReadWholeFile(argv[1]));
            skin.LoadSkinFromStream();
            if (skin.NoSkin())
                throw core::AppError("not a readable skin file");
        }
        Bitmap canvas(560, 330, core::RGBColour(90, 98, 112));
        DrawWindow(canvas, skin, 16, 16, 300, 150, true);
        DrawWindow(canvas, skin, 16, 180, 300, 134, false);
        // Push buttons in frames 1..5 (normal, pressed, disabled, hot, focused).
        const auto& button = skin.ButtonDef();
        for (int f = 1; f <= 5; ++f)
            core::DrawSkinObject(canvas, Rect{30 + (f - 1) * 56, 126, 30 + (f - 1) * 56 + 50, 149},
                                 button, f);
        // Combo boxes: the sunken strip's frames over a white field (normal, pressed,
        // disabled, focused).
        if (const auto* combo = skin.Find("ComboButton")) {
            for (int f = 1; f <= combo->FrameCount && f <= 4; ++f) {
                const Rect r{30 + ((f - 1) % 2) * 140, 56 + ((f - 1) / 2) * 30,
                             30 + ((f - 1) % 2) * 140 + 130, 56 + ((f - 1) / 2) * 30 + 21};
                core::FillRect(canvas, r, core::kWhite);
                core::DrawSkinObject(canvas, r, *combo, f);
            }
        }
        // A menu: background, a selected item and a separator.
        const Rect menu{340, 16, 520, 150};
        core::FillRect(canvas, menu, core::ResolveColour(skin.Colour(core::kSkinMenu)));
        if (const auto* bg = skin.Find("MenuBackground"))
            core::DrawSkinObject(canvas, menu, *bg, 1);
        if (const auto* item = skin.Find("MenuItem")) {
            core::DrawSkinObject(canvas, Rect{343, 43, 517, 63}, *item, 4);
            const Rect sep = core::FrameRect(item->Picture, item->FrameCount, 2);
            core::DrawPieces(canvas, item->Picture,
                             core::ThreeSlicePieces(sep, Rect{343, 88 - sep.Height(), 517, 88},
                                                    item->LeftWidth, item->RightWidth),
                             true);
        }
        if (const auto* tb = skin.Find("Toolbar"))
            core::DrawPieces(canvas, tb->Picture,
                             core::FramePieces(Rect{0, 0, tb->Picture.width, tb->Picture.height},
                                               Rect{340, 180, 520, 220}, true),
                             false);
        if (const auto* arrow = skin.Find("ComboxArrow"))
            for (int f = 1; f <= arrow->FrameCount; ++f)
                core::DrawPieces(canvas, arrow->Picture,
                                 core::FramePieces(
                                     core::FrameRect(arrow->Picture, arrow->FrameCount, f),
                                     Rect{340 + (f - 1) * 24, 240, 357 + (f - 1) * 24, 257}, false),
                                 false);
        const core::Bytes out = core::EncodeBmp24(canvas);
        core::WriteWholeFile(argv[2], out.data(), out.size());
    } catch (const core::AppError& e) {
        std::fprintf(stderr, "skinpreview: %s\n", e.what());
        return 2;
    }
    return 0;
}
