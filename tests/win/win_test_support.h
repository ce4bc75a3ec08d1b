#pragma once
// Shared pieces of the Windows tests: a recording message box and a bounded message pump.
#include <windows.h>

#include <string>
#include <vector>

#include "win/ui/application.h"
#include "win/ui/message_box.h"

namespace wintest {

struct BoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class RecordingMessageBox : public ui::MessageBoxSeam {
  public:
    RecordingMessageBox() { previous_ = ui::SetMessageBoxes(this); }
    ~RecordingMessageBox() override { ui::SetMessageBoxes(previous_); }
    int Show(HWND owner, const char* text, const char* caption, UINT type) override {
        calls.push_back(BoxCall{owner, text, caption, type});
        return answer;
    }
    std::vector<BoxCall> calls;
    int answer = IDOK;

  private:
    ui::MessageBoxSeam* previous_;
};

// Dispatches the program's messages for about `ms` milliseconds, or until `done` holds.
template <typename Pred>
bool PumpUntil(Pred done, DWORD ms) {
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > ms)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
    return true;
}
// Folder of the running test program (clock.exe is built beside it), with a trailing '\'.
inline std::string BinFolder() {
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

inline void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace wintest
