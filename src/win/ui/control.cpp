#include "win/ui/control.h"

#include "win/ui/popup_menu.h"
#include "win/ui/win_control.h"

namespace ui {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    font_.OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    if (parent_ && parentFont_)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    auto saved = std::move(font_.OnChange);
    font_.OnChange = nullptr;
    font_.Assign(parent_->Font());
    font_.OnChange = std::move(saved);
    FontChanged();
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_)
        return;
    parentFont_ = v;
    if (v)
        ParentFontChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (parent_)
        parent_->ControlChanged(this);
}

void TControl::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    VisibleChanged();
    if (parent_)
        parent_->ControlChanged(this);
}

void TControl::SetColor(TColor v) {
    if (v == color_)
        return;
    color_ = v;
    ColorChanged();
}

void TControl::SetParentBackground(bool v) {
    if (v == parentBackground_)
        return;
    parentBackground_ = v;
    Invalidate();
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    Invalidate();
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == popupMenu_)
        return;
    if (popupMenu_)
        RemoveFreeNotification(popupMenu_);
    popupMenu_ = menu;
    if (menu)
        FreeNotification(menu);
}

void TControl::Notification(TComponent* component) {
    if (component == popupMenu_)
        popupMenu_ = nullptr;
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

}  // namespace ui
