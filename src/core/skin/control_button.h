#pragma once
// The push button skin's rules: which of the five frames of the [Buttons] picture shows, the
// caption's line break, the text colour, where the text and the focus rectangle go, and the
// mouse and space-key states that lead to a click. The Win32 skin reads the window's state,
// asks these functions, and draws.
#include <string>

#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_options.h"

namespace core {

// Frames of the [Buttons] picture, counted from 1.
enum TButtonFrame : int { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };

// 1; 5 when focused; then 2 when pressed, else 4 when hot; 3 when disabled, whatever else.
int ButtonFrame(bool focused, bool pressed, bool hot, bool enabled);

// The first "||" of a caption becomes a line break (CR LF); later ones stay as they are.
// Works on narrow and wide captions alike.
template <class S>
S ButtonCaption(S caption) {
    const typename S::value_type bar = '|';
    for (size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == bar && caption[i + 1] == bar) {
            caption[i] = '\r';
            caption[i + 1] = '\n';
            break;
        }
    return caption;
}

// Text colour before the frame is considered: the skin's "ButtonText" colour for a bare window,
// the colour of the control's Font for a framework control.
TSkinColor ButtonDefaultTextColour(bool frameworkControl,
                                   TSkinColor fontColour,
                                   const TSkinData& skin);
// Text colour of a frame: "NormalColour2" in frame 1, "MouseOverColour2" in frame 4 and
// "PressedColour2" in frame 2, each only when the skin gives it; the system's button shadow
// colour when disabled (frame 3); otherwise `defaultColour`.
TSkinColor ButtonTextColour(int frame, const TDataSkinButton& def, TSkinColor defaultColour);

// Where the caption is measured (word-wrapped, tabs expanded): the button less 2 pixels on
// each side.
Rect ButtonTextLimit(int width, int height);
// The measured text box centred horizontally and vertically in the button, as the system
// centres text (a pixel left over goes to the right and the bottom).
Rect ButtonTextBox(int width, int height, int textWidth, int textHeight);
// The focus rectangle: 2 pixels larger than the text box on every side, within the button.
Rect ButtonFocusRect(const Rect& textBox, int width, int height);
// A focused button shows its focus rectangle unless xoNoFocusRect is set.
bool ButtonShowsFocusRect(bool focused, TSkinOptions options);

// The parent paints the button's background when the control's Tag is 5555 or xoTransparent
// is set; otherwise the skin's face colour fills it.
bool ButtonParentPainted(int tag, TSkinOptions options);
// Controls whose class name begins with "trz" or "tel" (any case) get no mouse-down event
// forwarded to the framework control.
bool ButtonForwardsMouse(const std::string& className);
// The control identifier a bare button's click carries to its parent: 0 for a window of class
// "tbutton" (any case), else the window's own identifier.
int ButtonCommandId(const std::string& windowClass, int controlId);
// Controls wider or taller than this take the mouse-down point from the cursor, since the
// message's 16-bit coordinates cannot hold it.
constexpr int kButtonLargestMessagePoint = 32768;

// The base's focus rectangle around a single-line text: the measured text placed in `area` as
// the alignment says, grown by 2 pixels left and right and 1 pixel up and down, clipped to
// `area`.
enum class THorzAlign { Left, Centre, Right };
Rect TextFocusRect(const Rect& area,
                   int textWidth,
                   int textHeight,
                   THorzAlign align,
                   bool verticalCentre);

// What an input event asks of the skin.
struct TInputResult {
    bool repaint = false;
    bool click = false;
};

// The button's hot and pressed marks, driven by the messages the skin sees. The Win32 skin
// feeds each message and repaints or clicks as the result says.
struct TButtonInput {
    bool hot = false;
    bool pressed = false;

    // Left button down or double click: pressed (the skin also takes the focus).
    TInputResult MouseDown();
    // Left button up: a click follows only when it was still pressed.
    TInputResult MouseUp();
    // Mouse move: hot when enabled and not hot yet. The skin asks for mouse-leave tracking
    // after every move.
    TInputResult MouseMove(bool enabled);
    // Mouse leave: neither hot nor pressed, so releasing elsewhere gives no click.
    TInputResult MouseLeave();
    // Space key down and up. The click of the space key is the system button's own.
    TInputResult SpaceDown();
    TInputResult SpaceUp();
};

}  // namespace core
