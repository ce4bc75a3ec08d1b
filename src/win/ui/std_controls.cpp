#include "win/ui/std_controls.h"

#include <commctrl.h>

#include "win/ui/delay_load.h"
#include "win/ui/handles.h"

namespace ui {

namespace {

// Labels and rules show their parent's background around what they draw.
void FillWithParentColor(TControl& control, HDC dc, const RECT& r) {
    TColor back = control.Parent() ? control.Parent()->Color() : control.Color();
    ScopedBrush brush(::CreateSolidBrush(ColorToRGB(back)));
    ::FillRect(dc, &r, brush.get());
}

}  // namespace

void InitCommonControlClasses() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES |
                                             ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    sys::InitCommonControlsEx(&icc);
    done = true;
}

TForm* OwningForm(TControl* control) {
    for (TComponent* c = control; c; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c)) return form;
    return nullptr;
}

// --- TSystemControl ----------------------------------------------------------------------

void TSystemControl::CreateSystemParams(WindowParams& p, const char* systemClass, DWORD style,
                                        DWORD exStyle) {
    TWinControl::CreateParams(p);
    p.className = systemClass;
    p.systemClass = true;
    p.style |= style;
    p.exStyle |= exStyle;
}

LRESULT TSystemControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return DefaultProc(msg, wParam, lParam);
        case WM_ERASEBKGND:
            return DefaultProc(msg, wParam, lParam);
        default:
            return TWinControl::WndProc(msg, wParam, lParam);
    }
}

// --- TLabel ------------------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TCustomControl(AOwner) {}

void TLabel::SetCaption(const std::string& v) {
    if (v == Text()) return;
    SetText(v);
    AdjustSize();
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustSize();
}

void TLabel::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    Invalidate();
}

void TLabel::FontChanged() {
    TCustomControl::FontChanged();
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_) return;
    ScopedGetDC dc(nullptr);
    HGDIOBJ old = ::SelectObject(dc.get(), Font().Handle());
    RECT r{0, 0, 0, 0};
    std::string text = Text();
    // An empty caption still takes one line's height.
    ::DrawTextA(dc.get(), text.empty() ? " " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc.get(), old);
    SetBounds(Left(), Top(), text.empty() ? 0 : r.right, r.bottom);
}

void TLabel::Paint() {
    HDC dc = Canvas().Handle();
    RECT r;
    ::GetClientRect(Handle(), &r);
    FillWithParentColor(*this, dc, r);
    HGDIOBJ old = ::SelectObject(dc, Font().Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(Font().Color()));
    UINT align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : 0;
    std::string text = Text();
    ::DrawTextA(dc, text.c_str(), -1, &r, DT_SINGLELINE | align);
    ::SelectObject(dc, old);
}

LRESULT TLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETCURSOR && cursor_ == crHandPoint && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
    }
    if (msg == WM_ERASEBKGND) return 1;  // Paint covers every pixel
    return TCustomControl::WndProc(msg, wParam, lParam);
}

// --- TButton -----------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TSystemControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(WindowParams& p) {
    CreateSystemParams(p, "BUTTON", default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 0);
}

void TButton::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    if (HandleAllocated())
        ::SendMessageA(Handle(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone)
        if (TForm* form = OwningForm(this)) form->SetModalResult(modalResult_);
    TSystemControl::Click();
}

LRESULT TButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CN_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        return 0;
    }
    return TSystemControl::WndProc(msg, wParam, lParam);
}

// --- TEdit, TMemo ------------------------------------------------------------------------

TEdit::TEdit(TComponent* AOwner) : TSystemControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(WindowParams& p) {
    CreateSystemParams(p, "EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
}

TMemo::TMemo(TComponent* AOwner) : TSystemControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(WindowParams& p) {
    CreateSystemParams(p, "EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL,
                       WS_EX_CLIENTEDGE);
}

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Text();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// --- TComboBox ---------------------------------------------------------------------------

namespace {
constexpr int kDropDownHeight = 200;  // the list below a drop-down box
}

TComboBox::TComboBox(TComponent* AOwner) : TSystemControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TComboBox::CreateParams(WindowParams& p) {
    CreateSystemParams(p, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0);
    p.height += kDropDownHeight;
}

void TComboBox::CreateHandle() {
    TSystemControl::CreateHandle();
    for (const std::string& item : items_)
        ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    ::SendMessageA(Handle(), CB_SETCURSEL, WPARAM(itemIndex_), 0);
}

void TComboBox::BoundsChanged() {
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height() + kDropDownHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    itemIndex_ = -1;
    if (!HandleAllocated()) return;
    ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items_)
        ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TComboBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
    itemIndex_ = index;
    if (HandleAllocated()) ::SendMessageA(Handle(), CB_SETCURSEL, WPARAM(index), 0);
}

LRESULT TComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CN_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
        itemIndex_ = static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
        if (OnChange) OnChange(this);
        return 0;
    }
    return TSystemControl::WndProc(msg, wParam, lParam);
}

// --- TPanel ------------------------------------------------------------------------------

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TPanel::CreateParams(WindowParams& p) {
    TCustomControl::CreateParams(p);
    p.exStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::SetBevelOuter(TBevelCut v) {
    if (v == bevelOuter_) return;
    bevelOuter_ = v;
    Invalidate();
}

void TPanel::SetAlign(TAlign v) {
    if (v == align_) return;
    align_ = v;
    Realign();
}

void TPanel::SetParent(TWinControl* parent) {
    TCustomControl::SetParent(parent);
    Realign();
}

void TPanel::Realign() {
    if (align_ != alClient || !Parent()) return;
    int w = Parent()->Width(), h = Parent()->Height();
    if (Parent()->HandleAllocated()) {
        RECT r;
        ::GetClientRect(Parent()->Handle(), &r);
        w = r.right;
        h = r.bottom;
    }
    SetBounds(0, 0, w, h);
}

void TPanel::BringToFront() {
    if (HandleAllocated())
        ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TPanel::Paint() {
    HDC dc = Canvas().Handle();
    RECT r;
    ::GetClientRect(Handle(), &r);
    ScopedBrush brush(::CreateSolidBrush(ColorToRGB(Color())));
    ::FillRect(dc, &r, brush.get());
    if (bevelOuter_ != bvNone)
        ::DrawEdge(dc, &r, bevelOuter_ == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

// --- TGroupBox, TBevel -------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TSystemControl(AOwner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(WindowParams& p) {
    CreateSystemParams(p, "BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT);
}

LRESULT TGroupBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The system group box paints only its frame; the inside is ours to fill.
    if (msg == WM_ERASEBKGND) return EraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    return TSystemControl::WndProc(msg, wParam, lParam);
}

TBevel::TBevel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 50, 50); }

void TBevel::Paint() {
    HDC dc = Canvas().Handle();
    RECT r;
    ::GetClientRect(Handle(), &r);
    FillWithParentColor(*this, dc, r);
    ::DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
}

}  // namespace ui
