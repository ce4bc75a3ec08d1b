#pragma once
// The combo box skin's rules: which state frame shows, which of the two drawings applies (the
// sunken strip composed at load time, or the flat style), where the flat style's pieces go,
// what the skin attaches to the combo box's children, and the hot and pressed marks.
#include <cstdint>

#include "core/skin/control_button.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace core {

// State frame of the sunken strip (style 2): 2 when pressed, else 4 when focused or hot, else
// 1; 3 whenever disabled.
int ComboStateFrame(bool pressed, bool focused, bool hot, bool enabled);
// State frame of the flat style (style 1): 2 when pressed, else 4 when focused or hot, else 1
// when enabled, else 3.
int FlatComboStateFrame(bool pressed, bool focused, bool hot, bool enabled);

enum class TComboDrawing {
    None,   // the system look stays
    Strip,  // "ComboButton" style 2: the composed sunken strip over the whole window
    Flat,   // "ComboButton" style 1
};
// None when the skin has no "ComboButton" picture, when the combo box information marks the
// drop-down button invisible (`haveInfo` and state bit 0x8000), and for any other style (a
// skin without "SunkEdge" has nothing to frame the field with).
TComboDrawing ChooseComboDrawing(const TSkinData& skin, bool haveInfo, uint32_t buttonState);

// The strip's frame `frame` over the whole window (width x height) as a nine-grid with the
// object's margins, stretched and magenta-transparent, so the system-drawn text shows through
// its middle. A left-scroll-bar combo box gets the mirrored strip kept in "SunkEdge"; mirroring
// the whole strip reversed its frames, so frame f there is counted from the other end.
SkinBlit ComboStripBlit(const TSkinData& skin,
                        int width,
                        int height,
                        int frame,
                        bool leftScrollBar);

struct TFlatComboLayout {
    Rect brushFrame;  // the window less 1 pixel, framed with the context's current brush
    Rect inner;       // less 2 pixels
    Rect strip;       // t wide, filled with the current brush, at the right (left) of `inner`
    Rect button;      // where the "ComboButton" frame goes
    Rect outline;     // the whole window, framed in the shadow colour
};
// `fw` is the "ComboButton" picture width / its frame count, `fh` its height, `t` the system's
// vertical scroll-thumb height (SM_CYVTHUMB). The button is fw wide at the right of the inner
// rectangle (at its left for a left-scroll-bar combo box), and fh high from its top when
// fh < t.
TFlatComboLayout LayoutFlatCombo(int width, int height, int fw, int fh, int t, bool leftScrollBar);
TFlatComboLayout LayoutFlatCombo(const TDataSkinObject& comboButton,
                                 int width,
                                 int height,
                                 int t,
                                 bool leftScrollBar);
// The "ComboButton" frame stretched into the flat layout's button, magenta-transparent.
SkinBlit FlatComboButtonBlit(const TDataSkinObject& comboButton, const Rect& button, int frame);

// What attaching the skin to a framework combo box does beyond the base's attach.
enum class TComboListSkin { None, ComboxScrollBar, SkinScrollbarH };
struct TComboAttachPlan {
    bool readInfo = false;      // read the combo box information
    bool takeOverEdit = false;  // take over the first child window's procedure
    // The drop-down list's skin; for a simple combo box, subject to SimpleComboListGetsScrollbar.
    TComboListSkin listSkin = TComboListSkin::None;
};
// `style` is the window style, `wide` whether the window is a wide-character one, `bare` for
// AttachWindow (no framework control): bare combo boxes get no list skin.
TComboAttachPlan ComboAttachPlan(uint32_t style, bool wide, bool bare);
// A simple combo box's list gets its TSkinScrollbarH when it exists, has no popup style, its
// parent handle is not the value 65556, and it has the child style.
bool SimpleComboListGetsScrollbar(bool hasList, uint32_t listStyle, uintptr_t listParent);

// The hot (mouse over the drop-down button) and pressed marks.
struct TComboInput {
    bool hot = false;
    bool pressed = false;
    bool droppedDown = false;

    // Mouse move to (x, y) in client coordinates: hot follows whether the point is in the
    // button, for an enabled window only.
    TInputResult MouseMove(int x, int y, const Rect& button, bool enabled);
    TInputResult MouseDown();
    TInputResult MouseUp();
    TInputResult MouseLeave();
    // A combo box notification: the list opened (7) or closed (8). No frame changes by itself.
    TInputResult Notify(int code);
};

}  // namespace core
