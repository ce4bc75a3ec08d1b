#pragma once
// Visual components: parent, bounds, visibility, colour, font and mouse events. The skin engine
// chooses a skin by ClassName(), Tag, Color, Font and ParentBackground.
#include <windows.h>

#include <functional>

#include "win/ui/component.h"
#include "win/ui/graphics.h"

namespace ui {

class TWinControl;
class TPopupMenu;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;
enum : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFont& Font() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // Repaint later / now.
    virtual void Invalidate() {}
    virtual void Update() {}
    void Repaint() {
        Invalidate();
        Update();
    }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // The parent's font changed: follow it when ParentFont is set.
    void ParentFontChanged();

  protected:
    // Hooks for the windowed side.
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void ColorChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    void Notification(TComponent* component) override;
    // The window moved or sized itself: record it without moving it again.
    void UpdateBounds(int left, int top, int width, int height) {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    }
    // Visibility the window took by itself (for example a form hidden by the system).
    void UpdateVisible(bool v) { visible_ = v; }

  private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    TFont font_;
    bool parentFont_ = true;
    bool parentBackground_ = true;
    TPopupMenu* popupMenu_ = nullptr;
};

}  // namespace ui
