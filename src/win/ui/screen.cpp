#include "win/ui/screen.h"

#include <algorithm>

#include "win/ui/form.h"

namespace ui {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TForm* TScreen::FindForm(HWND hwnd) const {
    if (!hwnd)
        return nullptr;
    for (TForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == hwnd)
            return f;
    return nullptr;
}

void TScreen::AddForm(TForm* form) {
    forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

}  // namespace ui
