#pragma once
// Base of the program's dialogs: fixed dialog border, centred on the screen, the dialog font,
// Enter and Escape clicking the default and cancel buttons, and controls placed from tables.
#include <cstddef>

#include "win/ui/form.h"
#include "win/ui/std_controls.h"

namespace ui {

// One control's place on its parent; a zero width keeps the control's own size (labels sized
// to their text).
struct ControlPlace {
    const char* name;
    int left, top, width, height;
};

class TDialogForm : public TForm {
public:
    explicit TDialogForm(TComponent* AOwner);
    std::string ClassName() const override { return "TForm"; }

    // Finds each named control among the form's components and gives it its place.
    template <size_t N>
    void PlaceControls(const ControlPlace (&table)[N]) {
        PlaceControls(table, N);
    }
    void PlaceControls(const ControlPlace* table, size_t count);

    // Makes a control of kind T owned by the form, named and put on `parent`.
    template <typename T>
    T* Make(const char* name, TWinControl* parent) {
        T* control = new T(this);
        control->SetName(name);
        control->SetParent(parent);
        return control;
    }

    TLabel* MakeLabel(const char* name, TWinControl* parent, const std::string& caption) {
        TLabel* label = Make<TLabel>(name, parent);
        label->SetCaption(caption);
        return label;
    }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TButton* FindButton(bool wantDefault) const;
};

}  // namespace ui
