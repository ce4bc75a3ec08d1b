#pragma once
// Every message box of the program goes through this seam, so tests can record the calls.
#include <windows.h>

namespace ui {

class MessageBoxSeam {
  public:
    virtual ~MessageBoxSeam() = default;
    // Same contract as MessageBoxA: returns the chosen button (IDOK, IDYES, ...).
    virtual int Show(HWND owner, const char* text, const char* caption, UINT type) = 0;
};

// The seam in use (the system's MessageBoxA unless one was installed).
MessageBoxSeam& MessageBoxes();
// Installs `seam` (nullptr puts the system's back) and returns the one it replaces.
MessageBoxSeam* SetMessageBoxes(MessageBoxSeam* seam);

}  // namespace ui
