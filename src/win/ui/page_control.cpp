#include "win/ui/page_control.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {
namespace {

void SetTabText(HWND tabs, UINT msg, size_t index, std::string caption) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = &caption[0];
    ::SendMessageA(tabs, msg, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

TPageControl::TPageControl(TComponent* AOwner) : TSystemControl(AOwner) {
    InitCommonControlClasses();
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

void TPageControl::CreateParams(WindowParams& p) {
    CreateSystemParams(p, WC_TABCONTROLA, 0, WS_EX_CONTROLPARENT);
}

void TPageControl::CreateHandle() {
    TSystemControl::CreateHandle();
    for (size_t i = 0; i < pages_.size(); ++i)
        SetTabText(Handle(), TCM_INSERTITEMA, i, pages_[i]->Caption());
    LayoutPages();
}

RECT TPageControl::DisplayRect() const {
    RECT r{0, 0, Width(), Height()};
    if (HandleAllocated()) {
        ::GetClientRect(Handle(), &r);
        ::SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    } else {
        ::InflateRect(&r, -4, -4);
        r.top += 20;
    }
    return r;
}

void TPageControl::LayoutPages() {
    RECT r = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::BoundsChanged() {
    TSystemControl::BoundsChanged();
    LayoutPages();
}

void TPageControl::InsertPage(TTabSheet* sheet) {
    pages_.push_back(sheet);
    if (HandleAllocated()) SetTabText(Handle(), TCM_INSERTITEMA, pages_.size() - 1, sheet->Caption());
    LayoutPages();
}

void TPageControl::RemovePage(TTabSheet* sheet) {
    auto it = std::find(pages_.begin(), pages_.end(), sheet);
    if (it == pages_.end()) return;
    if (HandleAllocated()) ::SendMessageA(Handle(), TCM_DELETEITEM, WPARAM(it - pages_.begin()), 0);
    pages_.erase(it);
}

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::CreateParams(WindowParams& p) {
    TWinControl::CreateParams(p);
    p.exStyle |= WS_EX_CONTROLPARENT;
}

void TTabSheet::SetPageControl(TPageControl* v) {
    if (v == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = v;
    SetParent(v);
    if (v) v->InsertPage(this);
}

void TTabSheet::SetCaption(const std::string& v) {
    if (v == caption_) return;
    caption_ = v;
    if (!pageControl_ || !pageControl_->HandleAllocated()) return;
    const auto& pages = pageControl_->pages_;
    auto it = std::find(pages.begin(), pages.end(), this);
    if (it == pages.end()) return;
    SetTabText(pageControl_->Handle(), TCM_SETITEMA, size_t(it - pages.begin()), caption_);
}

}  // namespace ui
