#pragma once
// The one window base of the framework: the object lives in a window property from
// WM_NCCREATE on (or from the moment a system-class window is taken over), and every message
// goes to the virtual OnMessage. Nothing thrown in a handler leaves the window procedure: it
// ends in the application's error box.
#include <windows.h>

#include <string>

namespace ui {

struct WindowParams {
    std::string className;  // our own class (registered on first use) or a system class
    bool systemClass = false;
    std::string caption;
    DWORD style = WS_CHILD;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    UINT classStyle = CS_DBLCLKS;
};

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    // A window of a system class (BUTTON, EDIT...) taken over by the framework.
    bool IsSystemClass() const { return systemProc_ != nullptr; }
    // The framework object behind a window of ours, or nullptr.
    static Window* FromHandle(HWND hwnd);

  protected:
    void CreateWindowHandle(const WindowParams& params);
    void DestroyWindowHandle();
    // Default processing: the replaced procedure of a system-class window, else DefWindowProc.
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // After WM_NCDESTROY: the handle is gone.
    virtual void HandleDestroyed() {}

  private:
    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);

    HWND hwnd_ = nullptr;
    WNDPROC systemProc_ = nullptr;
};

// Registers a window class of ours once; the procedure is the framework's.
void RegisterWindowClass(const std::string& name, UINT style, WNDPROC proc);

// Inside a catch block: shows the current exception in the application's error box. A request
// to end the program is turned into a quit of the message loop instead.
void ReportCurrentException() noexcept;

// Runs f at a boundary where nothing may escape into the system (window, dialog and hook
// procedures, timer callbacks). Returns false when f threw.
template <typename F>
bool Guarded(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (...) {
        ReportCurrentException();
        return false;
    }
}

}  // namespace ui
