#pragma once
// Where a skinned caption puts its text and its buttons, which buttons it shows, and which
// frame of a button's picture it draws. Coordinates are window coordinates: (0, 0) is the
// window's top-left corner, frame included.
#include <functional>
#include <vector>

#include "core/skin/frame_rules.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_objects.h"

namespace core {

// What the caption's layout depends on.
struct TCaptionWindow {
    int width = 0;
    TFrameMetrics metrics;
    bool active = true;
    TWindowState state = wsNormal;
    TBorderIcons icons;
    TFrameKind kind = fkSingle;
    bool systemDialogClass = false;  // "#32770"
    bool popupStyle = false;
    bool rightToLeft = false;
    // An MDI frame whose active child is maximised, with a skinned menu bar.
    bool mdiMaximizedChild = false;
    // Side margin of the menu bar picture (MDI buttons sit past it).
    int menuBarMargin = 0;
};

// One caption button: its definition's codes and the size of one frame (0 x 0 when it has no
// picture: it is then never shown).
struct TCaptionButtonSpec {
    int action = 0, align = 0, x = 0, y = 0, visibility = 0, visibility1 = 0;
    int width = 0, height = 0;
};
TCaptionButtonSpec CaptionButtonSpecOf(const TDataSkinSysButton& b);

// Answers a visibility code from 1,000 to 2,000 (message 13,589 to the window): above 0 shows.
using TVisibilityQuery = std::function<int(int code, int action)>;

// Whether the button is shown, by its two visibility codes and its action.
bool CaptionButtonVisible(const TCaptionButtonSpec& b,
                          const TCaptionWindow& w,
                          const TVisibilityQuery& query);

struct TCaptionLayout {
    Rect textBox;               // the text plus the text-back widths
    Rect textRect;              // where the text itself is drawn (inside the text-back ends)
    std::vector<Rect> buttons;  // empty rectangle: not shown
};

// Lays out the caption for text of textWidth x textHeight pixels (measured single-line).
TCaptionLayout LayoutCaption(const TCaptionWindow& w,
                             const std::vector<TCaptionButtonSpec>& buttons,
                             int textWidth,
                             int textHeight,
                             const TDataSkinTitle& title,
                             const TVisibilityQuery& query);

// States of caption buttons (and of the menu bar's items).
enum TNCState : int { ncNormal = 1, ncPressed = 2, ncHot = 3 };

// The frame a caption button shows: in its normal state frame 1 while the window is active
// or the picture has fewer than four frames, else frame 4 (inactive), and always frame 1 for
// an MDI button in the menu bar; otherwise the frame numbered by its state, frame 4 for a hot
// MDI button.
int CaptionButtonFrame(TNCState state, bool active, int frameCount, bool mdiButton);

}  // namespace core
