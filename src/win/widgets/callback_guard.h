#pragma once
// Errors must not leave a window or timer procedure into the system: they end here, in the
// application's error box.
#include <windows.h>

#include <exception>
#include <string>

namespace win {

// The executable's name without folder, cut at its first ".", the rest after the first
// character in lower case.
std::string ApplicationTitle();

// Shows `text` in the error box (stop icon, OK), with a full stop added after a last character
// that sorts after the full stop.
void ShowErrorBox(const std::string& text);

template <class F>
LRESULT GuardCallback(LRESULT on_error, F&& f) {
    try {
        return f();
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    return on_error;
}

}  // namespace win
