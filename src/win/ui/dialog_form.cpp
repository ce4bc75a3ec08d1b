#include "win/ui/dialog_form.h"

#include <stdexcept>

namespace ui {

TDialogForm::TDialogForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);
}

void TDialogForm::PlaceControls(const ControlPlace* table, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        auto* control = dynamic_cast<TControl*>(FindComponent(table[i].name));
        if (!control) throw std::logic_error(std::string("No control ") + table[i].name);
        const ControlPlace& p = table[i];
        if (p.width > 0)
            control->SetBounds(p.left, p.top, p.width, p.height);
        else
            control->SetBounds(p.left, p.top, control->Width(), control->Height());
    }
}

TButton* TDialogForm::FindButton(bool wantDefault) const {
    for (TComponent* c : Components()) {
        auto* button = dynamic_cast<TButton*>(c);
        if (button && button->Visible() && button->Enabled() &&
            (wantDefault ? button->Default() : button->Cancel()))
            return button;
    }
    return nullptr;
}

LRESULT TDialogForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The dialog manager turns Enter and Escape into IDOK / IDCANCEL commands to the form.
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) &&
        !TWinControl::FindControl(reinterpret_cast<HWND>(lParam))) {
        if (TButton* button = FindButton(LOWORD(wParam) == IDOK)) {
            button->Click();
            return 0;
        }
    }
    return TForm::WndProc(msg, wParam, lParam);
}

}  // namespace ui
