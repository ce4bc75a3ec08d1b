#include "core/skin/control_button.h"

#include <algorithm>

#include "core/skin/quick_ini.h"

namespace core {

int ButtonFrame(bool focused, bool pressed, bool hot, bool enabled) {
    int frame = bfNormal;
    if (focused)
        frame = bfFocused;
    if (pressed)
        frame = bfPressed;
    else if (hot)
        frame = bfHot;
    if (!enabled)
        frame = bfDisabled;
    return frame;
}

TSkinColor ButtonDefaultTextColour(bool frameworkControl,
                                   TSkinColor fontColour,
                                   const TSkinData& skin) {
    return frameworkControl ? fontColour : skin.Colour(kSkinButtonText);
}

TSkinColor ButtonTextColour(int frame, const TDataSkinButton& def, TSkinColor defaultColour) {
    switch (frame) {
        case bfNormal:
            return def.HasNormalColour2 ? def.NormalColour2 : defaultColour;
        case bfHot:
            return def.HasMouseOverColour2 ? def.MouseOverColour2 : defaultColour;
        case bfPressed:
            return def.HasPressedColour2 ? def.PressedColour2 : defaultColour;
        case bfDisabled:
            return SystemColour(kColorBtnShadow);
        default:
            return defaultColour;
    }
}

Rect ButtonTextLimit(int width, int height) {
    return Rect{0, 0, width, height}.Inflated(-2, -2);
}

Rect ButtonTextBox(int width, int height, int textWidth, int textHeight) {
    const int x = (width - textWidth) / 2, y = (height - textHeight) / 2;
    return Rect{x, y, x + textWidth, y + textHeight};
}

Rect ButtonFocusRect(const Rect& textBox, int width, int height) {
    return Intersect(textBox.Inflated(2, 2), Rect{0, 0, width, height});
}

bool ButtonShowsFocusRect(bool focused, TSkinOptions options) {
    return focused && !options.Has(xoNoFocusRect);
}

bool ButtonParentPainted(int tag, TSkinOptions options) {
    return tag == 5555 || options.Has(xoTransparent);
}

bool ButtonForwardsMouse(const std::string& className) {
    const std::string lower = LowerAscii(className.substr(0, 3));
    return lower != "trz" && lower != "tel";
}

int ButtonCommandId(const std::string& windowClass, int controlId) {
    return LowerAscii(windowClass) == "tbutton" ? 0 : controlId;
}

Rect TextFocusRect(const Rect& area,
                   int textWidth,
                   int textHeight,
                   THorzAlign align,
                   bool verticalCentre) {
    int x = area.left;
    if (align == THorzAlign::Centre)
        x = area.left + (area.Width() - textWidth) / 2;
    else if (align == THorzAlign::Right)
        x = area.right - textWidth;
    const int y = verticalCentre ? area.top + (area.Height() - textHeight) / 2 : area.top;
    return Intersect(Rect{x, y, x + textWidth, y + textHeight}.Inflated(2, 1), area);
}

TInputResult TButtonInput::MouseDown() {
    pressed = true;
    return TInputResult{true, false};
}

TInputResult TButtonInput::MouseUp() {
    if (!pressed)
        return TInputResult{};
    pressed = false;
    return TInputResult{true, true};
}

TInputResult TButtonInput::MouseMove(bool enabled) {
    if (!enabled || hot)
        return TInputResult{};
    hot = true;
    return TInputResult{true, false};
}

TInputResult TButtonInput::MouseLeave() {
    hot = false;
    pressed = false;
    return TInputResult{true, false};
}

TInputResult TButtonInput::SpaceDown() {
    pressed = true;
    return TInputResult{true, false};
}

TInputResult TButtonInput::SpaceUp() {
    pressed = false;
    return TInputResult{true, false};
}

}  // namespace core
