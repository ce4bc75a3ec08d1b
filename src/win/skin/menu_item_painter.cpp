#include "win/skin/menu_item_painter.h"

#include <algorithm>

#include "core/skin/img_util.h"
#include "core/skin/menu_text.h"
#include "core/skin/skin_draw.h"
#include "win/skin/popup_menu_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/graphics.h"

namespace skin {

namespace {

core::TMenuImages Images(const TMenuItemView& item) {
    if (!item.images)
        return core::TMenuImages{};
    const int side = item.images->height;
    return core::TMenuImages{item.imageWidth > 0 ? item.imageWidth : side,
                             item.imageHeight > 0 ? item.imageHeight : side};
}

int TextWidth(HDC dc, const std::wstring& text) {
    if (text.empty())
        return 0;
    SIZE s{0, 0};
    ::GetTextExtentPoint32W(dc, text.data(), int(text.size()), &s);
    return s.cx;
}

void Fill(HDC dc, const core::Rect& r, uint32_t colour) {
    if (r.Empty())
        return;
    ui::ScopedBrush brush(::CreateSolidBrush(colour));
    RECT rect{r.left, r.top, r.right, r.bottom};
    ::FillRect(dc, &rect, brush.get());
}

const core::TDataSkinObject* MenuItemObject(TSkinData& data) {
    const core::TDataSkinObject* o = data.Data().Find("MenuItem");
    return o && !o->Picture.Empty() ? o : nullptr;
}

void DrawGlyph(HDC dc,
               const TMenuItemView& item,
               const core::TMenuItemPaint& plan,
               TSkinData& data) {
    const core::TMenuImages images = Images(item);
    const int w = images.width, h = images.height;
    if ((item.glyph + 1) * w > item.images->width || h > item.images->height)
        return;  // no such image
    core::Bitmap glyph =
        core::Crop(*item.images, core::Rect{item.glyph * w, 0, (item.glyph + 1) * w, h});
    if (plan.glyphGrey)
        for (uint32_t& p : glyph.pixels)
            if ((p & 0xFFFFFF) != core::kMagenta)
                p = core::MixColors(core::TSkinColor(p), core::TSkinColor(core::kWhite), 40);
    ui::TBitmap picture;
    picture.Assign(glyph);
    data.Pictures().Draw(dc, picture, {core::BlitPiece{core::Rect{0, 0, w, h}, plan.glyph}}, true);
}

}  // namespace

std::wstring WideMenuText(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring w(size_t(std::max(n, 0)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &w[0], n);
    return w;
}

core::TMenuTextSize MeasureMenuTexts(HDC dc, const TMenuItemView& item, TSkinData& data) {
    ui::ScopedSelectObject font(dc, data.MenuFont(item.isDefault));
    core::TMenuTextSize size;
    size.captionWidth = TextWidth(dc, core::ParseMenuCaption(item.caption).text);
    size.shortcutWidth = TextWidth(dc, item.shortcut);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    size.textHeight = tm.tmHeight;
    return size;
}

SIZE SkinMeasureOver(SIZE framework, const TMenuItemView& item, TSkinData& data) {
    const core::TMenuItemSize size =
        core::SkinMeasureItem(core::TMenuItemSize{framework.cx, framework.cy}, item.kind,
                              Images(item).Present(), data.Data().Find("MenuItem"));
    return SIZE{size.width, size.height};
}

SIZE MeasureSkinMenuItem(HDC dc, const TMenuItemView& item, TSkinData& data) {
    const core::TMenuItemSize framework =
        core::FrameworkMeasureItem(item.separator, MeasureMenuTexts(dc, item, data), Images(item));
    return SkinMeasureOver(SIZE{framework.width, framework.height}, item, data);
}

void DrawSkinMenuItem(HDC target,
                      const RECT& rect,
                      const TMenuItemView& item,
                      bool selected,
                      TSkinData& data) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0)
        return;
    TPopupMenuSkin* popup = TPopupMenuSkin::ForDC(target);
    ui::TBitmap* background = popup ? popup->Background() : nullptr;
    core::TMenuItemDraw in;
    in.kind = item.kind;
    in.item = core::Rect{rect.left, rect.top, rect.right, rect.bottom};
    in.state.separator = item.separator;
    in.state.selected = selected;
    in.state.enabled = item.enabled;
    in.state.checked = item.checked;
    in.state.hasSubmenu = item.hasSubmenu;
    in.state.isDefault = item.isDefault;
    in.state.glyph = item.glyph;
    in.images = Images(item);
    in.menuItem = MenuItemObject(data);
    in.colours = core::MenuColoursOf(data.Data());
    in.popupHasBackground = background != nullptr;
    if (popup) {
        const POINT origin = popup->ClientOrigin();
        in.clientLeft = origin.x;
        in.clientTop = origin.y;
    }
    in.text = MeasureMenuTexts(target, item, data);
    const core::TMenuItemPaint plan = core::MenuItemPaintPlan(in);

    // Composed off screen and laid down at once: the item never flickers while it changes.
    ui::TBitmap buffer;
    buffer.SetSize(w, h);
    HDC dc = buffer.Canvas().Handle();
    if (plan.backgroundFromPopup && background) {
        ::BitBlt(dc, 0, 0, w, h, background->Canvas().Handle(), plan.backgroundSrc.left,
                 plan.backgroundSrc.top, SRCCOPY);
    } else {
        Fill(dc, core::Rect{0, 0, w, h}, plan.fill);
    }
    if (in.menuItem && !plan.framePieces.empty())
        data.Pictures().Draw(dc, in.menuItem->Picture, plan.framePieces, plan.frameTransparent);
    for (const core::TColouredRect& line : plan.lines)
        Fill(dc, line.rect, line.colour);
    if (!plan.glyph.Empty() && item.images)
        DrawGlyph(dc, item, plan, data);
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
    ui::ScopedSelectObject font(dc, data.MenuFont(plan.bold));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, plan.textColour);
    if (!plan.caption.Empty()) {
        RECT r{plan.caption.left, plan.caption.top, plan.caption.right, plan.caption.bottom};
        ::DrawTextW(dc, item.caption.c_str(), int(item.caption.size()), &r,
                    DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS |
                        (item.hideAccel ? DT_HIDEPREFIX : 0));
    }
    if (!plan.shortcut.Empty()) {
        RECT r{plan.shortcut.left, plan.shortcut.top, plan.shortcut.right, plan.shortcut.bottom};
        ::DrawTextW(dc, item.shortcut.c_str(), int(item.shortcut.size()), &r,
                    DT_SINGLELINE | DT_RIGHT | DT_TOP | DT_NOPREFIX);
    }
    ::BitBlt(target, rect.left, rect.top, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace skin
