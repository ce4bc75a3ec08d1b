// The form skin's painting: borders, caption (text-back, text, buttons) and the region.
#include <algorithm>

#include "core/skin/frame_region.h"
#include "core/skin/skin_options.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/ui/region.h"

namespace skin {

namespace {

bool MdiChildMaximized(HWND frame) {
    HWND client = ::FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    if (!client)
        return false;
    BOOL maximized = FALSE;
    ::SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    return maximized != FALSE;
}

uint32_t TitleColour(const core::TSkinData& skin, bool active) {
    const core::TDataSkinTitle& title = skin.Title();
    const core::TSkinColor c = active ? title.ActiveTextColour : title.InactiveTextColour;
    if (c != core::kUnsetColour)
        return core::ResolveColour(c);
    return core::ResolveColour(
        skin.Colour(active ? core::kSkinTitleTextActive : core::kSkinTitleTextNoActive));
}

}  // namespace

core::TCaptionWindow TFormSkin::CaptionWindow(int width) const {
    core::TCaptionWindow w;
    w.width = width;
    w.metrics = metrics_;
    w.active = active_;
    w.state = windowState_;
    w.icons = icons_;
    w.kind = kind_;
    w.systemDialogClass = className_ == "#32770";
    w.popupStyle = (::GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_POPUP) != 0;
    w.rightToLeft = rightToLeft_;
    w.mdiMaximizedChild = mdi_ == mdiFrame && menuBar_ && MdiChildMaximized(hwnd_);
    if (const core::TDataSkinObject* bar = data_.Data().Find("menuBar"))
        w.menuBarMargin = rightToLeft_ ? bar->LeftWidth : bar->RightWidth;
    return w;
}

core::TCaptionLayout TFormSkin::Layout(HDC dc, int width) {
    const SIZE text = MeasureCaption(dc, CaptionText());
    std::vector<core::TCaptionButtonSpec> specs;
    for (const auto& b : buttons_)
        specs.push_back(b->Spec());
    const HWND hwnd = hwnd_;
    const core::TVisibilityQuery query = [hwnd](int code, int action) {
        return int(
            ::SendMessageA(hwnd, core::skinmsg::kCaptionVisible, WPARAM(code), LPARAM(action)));
    };
    core::TCaptionLayout layout = core::LayoutCaption(CaptionWindow(width), specs, text.cx, text.cy,
                                                      data_.Data().Title(), query);
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->Place(layout.buttons[i]);
    return layout;
}

void TFormSkin::DrawButton(HDC dc, TCaptionButton& button) {
    if (!button.Visible())
        return;
    const RECT r = button.Rect();
    if (button.IsIcon()) {
        const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
        if (icon_) {
            ::DrawIconEx(dc, r.left, r.top, icon_, cx, cy, 0, nullptr, DI_NORMAL);
            return;
        }
        const core::Bitmap& app = data_.AppIconBitmap();
        if (!app.Empty())
            data_.Pictures().Draw(
                dc, app,
                core::FramePieces(core::Rect{0, 0, app.width, app.height},
                                  core::Rect{r.left, r.top, r.left + cx, r.top + cy}, true),
                true);
        if (button.Def().Picture.Empty())
            return;
    }
    const core::TDataSkinSysButton& def = button.Def();
    if (def.Picture.Empty())
        return;
    const int frame =
        core::CaptionButtonFrame(button.State(), active_, def.FrameCount, def.Align == 100);
    const core::Rect src = core::FrameRect(def.Picture, def.FrameCount, frame);
    data_.Pictures().Draw(
        dc, def.Picture, core::FramePieces(src, core::Rect{r.left, r.top, r.right, r.bottom}, true),
        true);
}

void TFormSkin::DrawCaptionInto(HDC dc, int width) {
    const core::TSkinData& skin = data_.Data();
    const core::TDataSkinObject& top = skin.Border(core::kBorderTop);
    const int frame = active_ || top.FrameCount <= 1 ? 1 : 2;
    const core::Rect target{metrics_.left, 0, width - metrics_.right, metrics_.caption};
    data_.Pictures().Draw(dc, top.Picture, core::BorderPieces(top, target, frame, true),
                          top.Trans == 1);

    const core::TCaptionLayout layout = Layout(dc, width);
    const core::TDataSkinTitle& title = skin.Title();
    if (!title.Picture.Empty() && !layout.textBox.Empty()) {
        const core::Rect src = core::FrameRect(title.Picture, 2, active_ ? 1 : 2, true);
        data_.Pictures().Draw(dc, title.Picture,
                              core::ThreeSlicePieces(src, layout.textBox, title.TextBackLeftWidth,
                                                     title.TextBackRightWidth),
                              true);
    }
    if (!layout.textRect.Empty()) {
        const std::wstring text = CaptionText();
        ui::ScopedSelectObject font(dc, data_.CaptionFont());
        const int oldMode = ::SetBkMode(dc, TRANSPARENT);
        const COLORREF oldColour = ::SetTextColor(dc, TitleColour(skin, active_));
        RECT r{layout.textRect.left, layout.textRect.top, layout.textRect.right,
               layout.textRect.bottom};
        UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_TOP;
        format |= rightToLeft_ ? (DT_RIGHT | DT_RTLREADING) : DT_LEFT;
        ::DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
        ::SetTextColor(dc, oldColour);
        ::SetBkMode(dc, oldMode);
    }
    for (const auto& b : buttons_)
        if (b->Def().Align != 100)
            DrawButton(dc, *b);
}

void TFormSkin::PaintCaption() {
    if (!attached_ || passive_ || kind_ == core::fkNone ||
        (state_ != fssRunning && state_ != fssReapplying))
        return;
    try {
        RECT window;
        ::GetWindowRect(hwnd_, &window);
        const int width = window.right - window.left;
        if (width <= 0 || metrics_.caption <= 0)
            return;
        ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(hwnd_);
        if (!dc)
            return;
        HDC buffer = data_.CaptionBuffer(width, metrics_.caption).Canvas().Handle();
        ::BitBlt(buffer, 0, 0, width, metrics_.caption, dc.get(), 0, 0, SRCCOPY);
        DrawCaptionInto(buffer, width);
        ::BitBlt(dc.get(), 0, 0, width, metrics_.caption, buffer, 0, 0, SRCCOPY);
        // The buttons of a maximised MDI child, placed with the caption's, sit in the bar.
        if (menuBar_)
            for (const auto& b : buttons_)
                if (b->Def().Align == 100 && b->Visible()) {
                    menuBar_->PaintBackground(dc.get(), b->Rect());
                    DrawButton(dc.get(), *b);
                }
    } catch (...) {
        // Painting errors are swallowed; the DC has gone back already.
    }
}

void TFormSkin::PaintFrame() {
    if (!attached_ || passive_ || kind_ == core::fkNone ||
        (state_ != fssRunning && state_ != fssReapplying))
        return;
    if (mdi_ == mdiChild && windowState_ == core::wsMaximized)
        return;
    try {
        RECT window;
        ::GetWindowRect(hwnd_, &window);
        const int width = window.right - window.left, height = window.bottom - window.top;
        ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(hwnd_);
        if (!dc || width <= 0 || height <= 0)
            return;
        if (::IsIconic(hwnd_)) {
            RECT all{0, 0, width, height};
            ::FillRect(dc.get(), &all, data_.FaceBrush());
        } else {
            // The client area is the window's own.
            ::ExcludeClipRect(dc.get(), metrics_.left, metrics_.caption + metrics_.menuBar,
                              width - metrics_.right, height - metrics_.bottom);
            const core::TSkinData& skin = data_.Data();
            for (const core::TBorderDraw& d :
                 core::FrameBorderDraws(metrics_, width, height, active_, skin)) {
                if (d.border == core::kBorderTop)
                    continue;  // drawn with the caption
                const core::TDataSkinObject& border = skin.Border(d.border);
                data_.Pictures().Draw(dc.get(), border.Picture,
                                      core::BorderPieces(border, d.target, d.frame, d.stacked),
                                      border.Trans == 1);
            }
            if (metrics_.menuBar > 0) {
                RECT bar{metrics_.left, metrics_.caption, width - metrics_.right,
                         metrics_.caption + metrics_.menuBar};
                if (menuBar_)
                    menuBar_->PaintBar(dc.get(), bar);
                else
                    ::FillRect(dc.get(), &bar, data_.FaceBrush());
            }
        }
        dc.reset();
        PaintCaption();
    } catch (...) {
        // Painting errors are swallowed; the DC has gone back already.
    }
}

void TFormSkin::UpdateRegion(bool force) {
    if (passive_ || kind_ == core::fkNone || !::IsWindow(hwnd_))
        return;
    RECT window;
    ::GetWindowRect(hwnd_, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (!force && width == regionSize_.cx && height == regionSize_.cy)
        return;
    regionSize_ = SIZE{width, height};
    const core::TFrameRegion region = core::FrameRegion(data_.Data(), metrics_, width, height);
    // Applied without a redraw of its own: the frame is invalidated (the set-up paints it).
    const auto redraw = [this] {
        if (state_ != fssSettingUp)
            ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    };
    if (region.whole) {
        ::SetWindowRgn(hwnd_, nullptr, FALSE);
        redraw();
        return;
    }
    ui::ScopedRegion total(::CreateRectRgn(0, 0, 0, 0));
    std::vector<RECT> block;
    for (const std::vector<core::Rect>& rects : core::RegionBlocks(region.rects)) {
        block.clear();
        for (const core::Rect& r : rects)
            block.push_back(RECT{r.left, r.top, r.right, r.bottom});
        ui::ScopedRegion part = ui::RegionFromRects(block.data(), block.size());
        ::CombineRgn(total.get(), total.get(), part.get(), RGN_OR);
    }
    ui::SetWindowRegion(hwnd_, std::move(total), false);
    redraw();
}

}  // namespace skin
