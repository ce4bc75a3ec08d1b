#pragma once
// The standard controls of the dialogs: thin wrappers over the system's controls (or small
// painted windows where the system has none), each with the framework class name the skin
// engine selects by.
#include <windows.h>

#include <string>
#include <vector>

#include "win/ui/form.h"
#include "win/ui/win_control.h"

namespace ui {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TAlign { alNone, alClient };
enum TBevelCut { bvNone, bvLowered, bvRaised };
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crHandPoint = -21;

// A system control class taken over by the framework; the mouse is left to the system, so
// a click is reported once, through the control's own notification.
class TSystemControl : public TWinControl {
public:
    explicit TSystemControl(TComponent* AOwner) : TWinControl(AOwner) {}

protected:
    void CreateSystemParams(WindowParams& p, const char* systemClass, DWORD style, DWORD exStyle);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Text on the parent's background; sized to its text unless AutoSize is off.
class TLabel : public TCustomControl {
public:
    explicit TLabel(TComponent* AOwner);
    std::string ClassName() const override { return "TLabel"; }
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v) { cursor_ = v; }

protected:
    void Paint() override;
    void FontChanged() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void AdjustSize();
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TCursor cursor_ = crDefault;
};

class TButton : public TSystemControl {
public:
    explicit TButton(TComponent* AOwner);
    std::string ClassName() const override { return "TButton"; }
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& v) { SetText(v); }
    // Set on the owning form when the button is clicked.
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    // Enter / Escape in the dialog click this button.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    void Click() override;

protected:
    void CreateParams(WindowParams& p) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

class TEdit : public TSystemControl {
public:
    explicit TEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TEdit"; }

protected:
    void CreateParams(WindowParams& p) override;
};

// Multi-line edit; its text holds the lines joined by CR LF.
class TMemo : public TSystemControl {
public:
    explicit TMemo(TComponent* AOwner);
    std::string ClassName() const override { return "TMemo"; }
    std::vector<std::string> Lines() const;

protected:
    void CreateParams(WindowParams& p) override;
};

// Drop-down list without typing (csDropDownList). OnChange follows the user's choices only.
class TComboBox : public TSystemControl {
public:
    explicit TComboBox(TComponent* AOwner);
    std::string ClassName() const override { return "TComboBox"; }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    // -1: nothing selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    TNotifyEvent OnChange;

protected:
    void CreateParams(WindowParams& p) override;
    void CreateHandle() override;
    void BoundsChanged() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A plain container; with Align alClient it covers its parent's client area.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    std::string ClassName() const override { return "TPanel"; }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);
    void SetParent(TWinControl* parent) override;
    // Puts the panel above its siblings.
    void BringToFront();

protected:
    void CreateParams(WindowParams& p) override;
    void Paint() override;

private:
    void Realign();
    TBevelCut bevelOuter_ = bvRaised;
    TAlign align_ = alNone;
};

class TGroupBox : public TSystemControl {
public:
    explicit TGroupBox(TComponent* AOwner);
    std::string ClassName() const override { return "TGroupBox"; }
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& v) { SetText(v); }

protected:
    void CreateParams(WindowParams& p) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// A horizontal rule: an etched line along the top edge.
class TBevel : public TCustomControl {
public:
    explicit TBevel(TComponent* AOwner);
    std::string ClassName() const override { return "TBevel"; }

protected:
    void Paint() override;
};

// The form that owns `control`, or nullptr.
TForm* OwningForm(TControl* control);

// The common controls' window classes (list view, date picker, tab control).
void InitCommonControlClasses();

}  // namespace ui
