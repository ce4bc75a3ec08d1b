#include "win/skin/system_menu_items.h"

#include <algorithm>

#include "core/skin/img_util.h"
#include "core/skin/skin_draw.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/graphics.h"

namespace skin {

namespace {

constexpr int kGlyph = 16;
constexpr int kGlyphColumn = 26;  // the glyph with 5 pixels on either side
constexpr int kShortcutGap = 24;
constexpr int kRightPad = 12;
constexpr int kSeparatorHeight = 9;

SIZE TextSize(HDC dc, const std::wstring& text, bool prefix) {
    RECT r{0, 0, 0, 0};
    if (!text.empty())
        ::DrawTextW(dc, text.c_str(), int(text.size()), &r,
                    DT_SINGLELINE | DT_CALCRECT | (prefix ? 0 : DT_NOPREFIX));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

uint32_t Colour(const TSkinData& data, int key) {
    return core::ResolveColour(data.Data().Colour(key));
}

void CheckMark(HDC dc, int x, int y, COLORREF colour) {
    // A tick of two-pixel strokes in a 16 x 16 cell.
    for (int i = 0; i < 3; ++i) {
        ::SetPixel(dc, x + 4 + i, y + 8 + i, colour);
        ::SetPixel(dc, x + 4 + i, y + 9 + i, colour);
    }
    for (int i = 0; i < 6; ++i) {
        ::SetPixel(dc, x + 7 + i, y + 9 - i, colour);
        ::SetPixel(dc, x + 7 + i, y + 10 - i, colour);
    }
}

}  // namespace

SIZE MeasureSkinMenuItem(HDC dc, const TSystemMenuItemView& item, TSkinData& data) {
    if (item.separator)
        return SIZE{0, kSeparatorHeight};
    ui::ScopedSelectObject font(dc, data.MenuFont());
    const SIZE text = TextSize(dc, item.text, true);
    const SIZE shortcut = TextSize(dc, item.shortcut, false);
    const core::TDataSkinObject* obj = data.Data().Find("MenuItem");
    int width = kGlyphColumn + text.cx + kRightPad + (obj ? obj->LeftWidth : 0);
    if (!item.shortcut.empty())
        width += kShortcutGap + shortcut.cx;
    const int picture = obj && !obj->Picture.Empty() ? obj->Picture.height : 0;
    return SIZE{width, std::max({int(text.cy) + 8, kGlyph + 4, picture})};
}

void DrawSkinMenuItem(HDC target,
                      const RECT& rect,
                      const TSystemMenuItemView& item,
                      bool selected,
                      TSkinData& data) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0)
        return;
    ui::TBitmap buffer;
    buffer.Assign(core::Bitmap(w, h, Colour(data, core::kSkinMenu)));
    HDC dc = buffer.Canvas().Handle();
    const core::TDataSkinObject* obj = data.Data().Find("MenuItem");
    const bool skinned = obj && !obj->Picture.Empty();
    const core::Rect all{0, 0, w, h};
    if (skinned && item.separator) {
        const core::Rect src = core::FrameRect(obj->Picture, obj->FrameCount, 2);
        const core::Rect slice{0, h - src.Height(), w, h};
        data.Pictures().Draw(
            dc, obj->Picture,
            core::NineGridPieces(src, slice, core::Margins{obj->LeftWidth, 0, obj->RightWidth, 0},
                                 false),
            true);
    } else if (item.separator) {
        RECT line{4, h / 2, w - 4, h / 2 + 1};
        ui::ScopedBrush shadow(::CreateSolidBrush(Colour(data, core::kSkinButtonShadow)));
        ::FillRect(dc, &line, shadow.get());
    } else if (skinned) {
        const core::Rect src = core::FrameRect(obj->Picture, obj->FrameCount, selected ? 4 : 1);
        const core::Margins m{obj->LeftWidth, obj->TopHeight, obj->RightWidth, obj->BottomHeight};
        data.Pictures().Draw(dc, obj->Picture, core::NineGridPieces(src, all, m, obj->Tile == 1),
                             obj->Trans == 1);
    } else if (selected) {
        RECT r{0, 0, w, h};
        ui::ScopedBrush hilight(::CreateSolidBrush(Colour(data, core::kSkinHilight)));
        ::FillRect(dc, &r, hilight.get());
    }
    if (!item.separator) {
        const int left = skinned ? obj->LeftWidth : 0;
        COLORREF text = Colour(data, core::kSkinMenuText);
        if (item.grayed)
            text = Colour(data, core::kSkinButtonShadow);
        else if (selected && !skinned)
            text = Colour(data, core::kSkinHilightText);
        const int gx = left + (kGlyphColumn - kGlyph) / 2, gy = (h - kGlyph) / 2;
        const core::Bitmap& glyphs = data.MenuGlyphs();
        if (item.glyph >= 0 && glyphs.width >= (item.glyph + 1) * kGlyph) {
            core::Bitmap glyph = core::Crop(
                glyphs, core::Rect{item.glyph * kGlyph, 0, (item.glyph + 1) * kGlyph, kGlyph});
            if (item.grayed)
                for (uint32_t& p : glyph.pixels)
                    if ((p & 0xFFFFFF) != core::kMagenta)
                        p = core::MixColors(core::TSkinColor(p), core::TSkinColor(core::kWhite),
                                            45);
            ui::TBitmap picture;
            picture.Assign(glyph);
            data.Pictures().Draw(dc, picture,
                                 {core::BlitPiece{core::Rect{0, 0, kGlyph, kGlyph},
                                                  core::Rect{gx, gy, gx + kGlyph, gy + kGlyph}}},
                                 true);
        } else if (item.checked) {
            CheckMark(dc, gx, gy, text);
        }
        ui::ScopedSelectObject font(dc, data.MenuFont());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, text);
        RECT r{left + kGlyphColumn, 0, w - kRightPad, h};
        ::DrawTextW(dc, item.text.c_str(), int(item.text.size()), &r,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!item.shortcut.empty())
            ::DrawTextW(dc, item.shortcut.c_str(), int(item.shortcut.size()), &r,
                        DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    ::BitBlt(target, rect.left, rect.top, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace skin
