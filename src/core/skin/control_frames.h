#pragma once
// Geometry of the skins that outline a control and leave its content to the system: the group
// box's rounded frame and caption place, the edit field's and the date picker's outlines, the
// edit's print border, and the date picker's arrow button.
#include <string>
#include <vector>

#include "core/skin/control_button.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace core {

// One one-pixel frame (FrameRect) in a colour.
struct TFramedRect {
    Rect rect;
    TSkinColor colour = 0;
    bool operator==(const TFramedRect& o) const { return rect == o.rect && colour == o.colour; }
};

// --- Group box ---------------------------------------------------------------------------

struct TGroupBoxLayout {
    int y = 0;                  // top of the frame: the "0" height div 2, less 1
    Rect frame;                 // the rounded rectangle, in the shadow colour
    int corner = 5;             // width and height of the corner ellipses
    Rect bareOuter, bareInner;  // framed in the face colour on a bare window, over the system's
                                // two-line frame
    Rect caption;               // where the caption is drawn
    bool captionRight = false;  // right-aligned caption (the window has WS_EX_RIGHT)
};
// `zeroHeight` is the height of the text "0" in the box's font; `rightAligned` the window's
// WS_EX_RIGHT. The caption starts 8 pixels in from the left, or ends 8 pixels in from the
// right.
TGroupBoxLayout LayoutGroupBox(int width, int height, int zeroHeight, bool rightAligned);
// A right-aligned caption reads right to left when the control or its form does.
inline bool GroupBoxCaptionRtl(bool rightAligned, bool controlOrFormRtl) {
    return rightAligned && controlOrFormRtl;
}
// The window's text, or the control's "Caption" property when that is empty and the skin has a
// framework control.
template <class S>
S GroupBoxCaption(const S& windowText, bool frameworkControl, const S& captionProperty) {
    return windowText.empty() && frameworkControl ? captionProperty : windowText;
}

// --- Edit field and date picker outlines -------------------------------------------------

// A shadow-coloured line round the whole window and two white lines inside it, over the
// system's sunken edge; nothing for a field without a border (FieldHasBorder).
std::vector<TFramedRect> EditBorder(int width,
                                    int height,
                                    int clientWidth,
                                    int clientHeight,
                                    const TSkinData& skin);
// The date picker's outline: the shadow line and one white line inside it.
std::vector<TFramedRect> DatePickerBorder(int width,
                                          int height,
                                          int clientWidth,
                                          int clientHeight,
                                          const TSkinData& skin);

// The border drawn into a WM_PRINT context: the window's rectangle less one pixel framed with
// the context's current brush, then the rectangle itself in the shadow colour. Only for a
// field whose client area is more than 2 pixels narrower and lower than the window.
struct TPrintBorder {
    bool draw = false;
    Rect brushFrame;
    TFramedRect shadowFrame;
};
TPrintBorder EditPrintBorder(int width,
                             int height,
                             int clientWidth,
                             int clientHeight,
                             const TSkinData& skin);

// The child window of an edit field that gets the up-down skin: class "msctls_updown32", or
// any class whose name contains "spin" or "updown" (ignoring case).
bool IsUpDownClass(const std::string& windowClass);

// --- Date picker arrow button ------------------------------------------------------------

// The arrow button on a picker `pickerWidth` wide, with `s` the system's horizontal scroll-bar
// arrow width: s wide, s + 1 high, at the top; at x = 2 for a left-scroll-bar picker, else
// pickerWidth - s - 4.
Rect ArrowButtonRect(int pickerWidth, int s, bool leftScrollBar);
// The point a click on the button at (x, y) is posted to the picker with.
Point ArrowClickPoint(const Rect& button, int x, int y);
// Frame 4 of "ComboxArrow" when hot, else frame 1. A disabled picker never shows it hot, even
// when the mouse was on the button as it was disabled.
int ArrowFrame(bool hot, bool pickerEnabled);
// The "ComboxArrow" frame stretched over the button's client area, opaque; empty when the skin
// has no such picture (the face-colour fill alone then stays).
SkinBlit ArrowBlit(const TSkinData& skin, int width, int height, int frame);

// The arrow button's hot mark.
struct TArrowInput {
    bool hot = false;
    // The mouse enters: hot, if the picker is enabled.
    TInputResult MouseEnter(bool pickerEnabled);
    // The mouse leaves: never hot any more.
    TInputResult MouseLeave();
};

}  // namespace core
