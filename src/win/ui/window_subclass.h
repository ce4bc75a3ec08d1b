#pragma once
// Handlers at the head of a window's own procedure, for windows the framework did not make
// (the dialogs and message boxes of the system). The first handler replaces the window's
// procedure with the wide or narrow call, matching the window (Wine's message boxes are wide
// windows), and the last one to leave puts the procedure back, unless someone replaced it
// after us: then ours stays, passing every message on, until the window is destroyed.
// Windows of the framework use their control's WindowProc chain instead.
#include <windows.h>

#include "win/ui/wnd_method_chain.h"

namespace ui {

// Handlers see the messages in the window's character set: wide windows get wide texts.
[[nodiscard]] TWndMethodChain::Link ChainWindowProc(HWND hwnd, TWndMethodChain::Handler handler);

// Whether one of our handlers sits on the window.
bool IsSubclassed(HWND hwnd);

}  // namespace ui
