#include "win/skin/system_menu_items.h"

#include <algorithm>

#include "core/skin/img_util.h"
#include "core/skin/menu_item_layout.h"
#include "core/skin/menu_text.h"
#include "core/skin/skin_draw.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/graphics.h"

namespace skin {

namespace {

constexpr int kGlyph = 16;

core::TMenuImages Glyphs(const TSkinData& data) {
    return data.MenuGlyphs().Empty() ? core::TMenuImages{} : core::TMenuImages{kGlyph, kGlyph};
}

int TextWidth(HDC dc, const std::wstring& text) {
    if (text.empty())
        return 0;
    SIZE s{0, 0};
    ::GetTextExtentPoint32W(dc, text.data(), int(text.size()), &s);
    return s.cx;
}

core::TMenuTextSize MeasureTexts(HDC dc, const TSystemMenuItemView& item) {
    core::TMenuTextSize size;
    size.captionWidth = TextWidth(dc, core::ParseMenuCaption(item.caption).text);
    size.shortcutWidth = TextWidth(dc, item.shortcut);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    size.textHeight = tm.tmHeight;
    return size;
}

void Fill(HDC dc, const core::Rect& r, uint32_t colour) {
    if (r.Empty())
        return;
    ui::ScopedBrush brush(::CreateSolidBrush(colour));
    RECT rect{r.left, r.top, r.right, r.bottom};
    ::FillRect(dc, &rect, brush.get());
}

}  // namespace

SIZE MeasureSkinMenuItem(HDC dc, const TSystemMenuItemView& item, TSkinData& data) {
    ui::ScopedSelectObject font(dc, data.MenuFont());
    const core::TMenuImages images = Glyphs(data);
    const core::TMenuItemSize framework =
        core::FrameworkMeasureItem(item.separator, MeasureTexts(dc, item), images);
    const core::TMenuItemSize size = core::SkinMeasureItem(
        framework, core::TMenuKind::PopupMenu, images.Present(), data.Data().Find("MenuItem"));
    return SIZE{size.width, size.height};
}

void DrawSkinMenuItem(HDC target,
                      const RECT& rect,
                      const TSystemMenuItemView& item,
                      bool selected,
                      TSkinData& data) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0)
        return;
    core::TMenuItemDraw in;
    in.item = core::Rect{rect.left, rect.top, rect.right, rect.bottom};
    in.state.separator = item.separator;
    in.state.selected = selected;
    in.state.enabled = item.enabled;
    in.state.checked = item.checked;
    in.state.glyph = item.glyph;
    in.images = Glyphs(data);
    const core::TDataSkinObject* menuItem = data.Data().Find("MenuItem");
    in.menuItem = menuItem && !menuItem->Picture.Empty() ? menuItem : nullptr;
    in.colours = core::MenuColoursOf(data.Data());

    ui::TBitmap buffer;
    buffer.SetSize(w, h);
    HDC dc = buffer.Canvas().Handle();
    ui::ScopedSelectObject font(dc, data.MenuFont());
    in.text = MeasureTexts(dc, item);
    const core::TMenuItemPaint plan = core::MenuItemPaintPlan(in);

    Fill(dc, core::Rect{0, 0, w, h}, plan.fill);
    if (in.menuItem && !plan.framePieces.empty())
        data.Pictures().Draw(dc, in.menuItem->Picture, plan.framePieces, plan.frameTransparent);
    for (const core::TColouredRect& line : plan.lines)
        Fill(dc, line.rect, line.colour);
    if (!plan.glyph.Empty()) {
        core::Bitmap glyph =
            core::Crop(data.MenuGlyphs(),
                       core::Rect{item.glyph * kGlyph, 0, (item.glyph + 1) * kGlyph, kGlyph});
        if (plan.glyphGrey)
            for (uint32_t& p : glyph.pixels)
                if ((p & 0xFFFFFF) != core::kMagenta)
                    p = core::MixColors(core::TSkinColor(p), core::TSkinColor(core::kWhite), 40);
        ui::TBitmap picture;
        picture.Assign(glyph);
        data.Pictures().Draw(dc, picture,
                             {core::BlitPiece{core::Rect{0, 0, kGlyph, kGlyph}, plan.glyph}}, true);
    }
    if (!plan.glyphFrame.Empty()) {
        ui::ScopedBrush frame(::CreateSolidBrush(plan.glyphFrameColour));
        RECT r{plan.glyphFrame.left, plan.glyphFrame.top, plan.glyphFrame.right,
               plan.glyphFrame.bottom};
        ::FrameRect(dc, &r, frame.get());
    }
    for (const core::Rect& r : plan.mark)
        Fill(dc, r, plan.textColour);
    for (const core::Rect& r : plan.arrow)
        Fill(dc, r, plan.textColour);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, plan.textColour);
    if (!plan.caption.Empty()) {
        RECT r{plan.caption.left, plan.caption.top, plan.caption.right, plan.caption.bottom};
        ::DrawTextW(dc, item.caption.c_str(), int(item.caption.size()), &r,
                    DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
    }
    if (!plan.shortcut.Empty()) {
        RECT r{plan.shortcut.left, plan.shortcut.top, plan.shortcut.right, plan.shortcut.bottom};
        ::DrawTextW(dc, item.shortcut.c_str(), int(item.shortcut.size()), &r,
                    DT_SINGLELINE | DT_RIGHT | DT_TOP | DT_NOPREFIX);
    }
    ::BitBlt(target, rect.left, rect.top, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace skin
