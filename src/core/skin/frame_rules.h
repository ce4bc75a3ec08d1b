#pragma once
// The rules a form skin follows for one window: which frame it gets, the caption buttons the
// window's style allows, the skin's frame metrics, the skinned window size, hit testing and
// what caption clicks do. Pure functions of
// window facts; the Win32 form skin reads the facts and applies the answers.
#include <cstdint>
#include <string>
#include <vector>

#include "core/skin/skin_data.h"
#include "core/skin/window_bits.h"

namespace core {

// Hit-test codes.
namespace hit {
constexpr int kNowhere = 0;
constexpr int kClient = 1;
constexpr int kCaption = 2;
constexpr int kSysMenu = 3;
constexpr int kMenu = 5;
}  // namespace hit

// 0 sizeable, 1 fixed single frame, 2 no skinned frame, 3 dialog frame.
enum TFrameKind : int { fkSizeable = 0, fkSingle = 1, fkNone = 2, fkDialog = 3 };

enum TWindowState : int { wsNormal, wsMaximized, wsMinimized };

// Dialog windows of the system and of the framework's message dialogs.
bool IsDialogClass(const std::string& className);

TFrameKind FrameKindOf(uint32_t style, uint32_t exStyle, const std::string& className);

struct TBorderIcons {
    bool systemMenu = false, minimize = false, maximize = false;
    // The caption style is taken off while the window is not maximised (systems that would
    // otherwise draw their own caption over the skin's).
    bool captionToggle = false;
};

struct TSystemVersion {
    bool ntFamily = true;
    int major = 6, minor = 1;
};

// `hasSystemMenu`: the window has a system menu even if its style lacks the bit.
TBorderIcons BorderIconsOf(uint32_t style,
                           uint32_t exStyle,
                           bool hasSystemMenu,
                           bool owned,
                           const TSystemVersion& version);

struct TFrameMetrics {
    int left = 0, caption = 0, right = 0, bottom = 0, menuBar = 0;
    bool operator==(const TFrameMetrics& o) const {
        return left == o.left && caption == o.caption && right == o.right && bottom == o.bottom &&
               menuBar == o.menuBar;
    }
};

// The frame widths the skin's Left, Right, Top and Bottom pictures give; all 0 for fkNone.
TFrameMetrics FrameMetricsOf(const TSkinData& skin, TFrameKind kind);

// The window size that keeps a client area of clientWidth x clientHeight inside the skinned
// frame. A dialog frame whose caption (text plus the title's text shift and right clip) does
// not fit is widened, and its children move right by `childShift`.
struct TSkinnedSize {
    int width = 0, height = 0, childShift = 0;
};
TSkinnedSize SkinnedWindowSize(int clientWidth,
                               int clientHeight,
                               const TFrameMetrics& metrics,
                               bool countMenuBar,
                               TFrameKind kind,
                               int captionTextWidth,
                               const TDataSkinTitle& title);

// The skin's answer to a hit test, given the system's answer for a point `y` pixels below the
// window's top.
int SkinHitTest(int systemCode, int y, int captionHeight, bool hasMenuBar);

// What a click or double click on the frame does.
enum class TFrameCommand {
    None,  // the old window procedure handles it
    Close,
    Maximize,
    Minimize,
    Restore,
    SystemMenu,
    MdiMinimize,
    MdiRestore,
    MdiClose,
    PostAction,  // message 13,588 with the action code
};
// A click released on a caption button with `action`.
TFrameCommand CaptionButtonCommand(int action, TWindowState state);
bool IsIconAction(int action);
// A double click on the frame.
TFrameCommand FrameDoubleClickCommand(bool onIconButton, TWindowState state, bool maximizeBox);

}  // namespace core
