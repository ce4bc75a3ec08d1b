#include "win/ui/window.h"

#include <set>
#include <stdexcept>

namespace ui {
namespace {

// The window property that leads from a handle to its framework object (also used by the skin
// engine to find the control behind a window).
const char kObjectProp[] = "DeskClockObject";

}  // namespace

void RegisterWindowClass(const std::string& name, UINT style, WNDPROC proc) {
    static std::set<std::string> registered;
    if (registered.count(name))
        return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = ::LoadIconA(wc.hInstance, "MAINICON");
    wc.lpszClassName = name.c_str();
    if (!::RegisterClassExA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Cannot register window class " + name);
    registered.insert(name);
}

Window::~Window() {
    DestroyWindowHandle();
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(::GetPropA(hwnd, kObjectProp)) : nullptr;
}

void Window::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    ::SetPropA(hwnd, kObjectProp, this);
}

void Window::CreateWindowHandle(const WindowParams& p) {
    if (hwnd_)
        return;
    HINSTANCE inst = ::GetModuleHandleA(nullptr);
    if (!p.systemClass)
        RegisterWindowClass(p.className, p.classStyle, &Window::WindowProcedure);
    HWND hwnd = ::CreateWindowExA(p.exStyle, p.className.c_str(), p.caption.c_str(), p.style, p.x,
                                  p.y, p.width, p.height, p.parent, nullptr, inst, this);
    if (!hwnd)
        throw std::runtime_error("Error creating window of class " + p.className);
    if (p.systemClass) {
        // A system control: keep its own procedure for default processing and route its
        // messages through ours from here on.
        Attach(hwnd);
        systemProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
            hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::WindowProcedure)));
    }
}

void Window::DestroyWindowHandle() {
    if (hwnd_)
        ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (systemProc_)
        return ::CallWindowProcA(systemProc_, hwnd_, msg, wParam, lParam);
    return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT Window::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(hwnd);
    if (!self && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<Window*>(cs->lpCreateParams);
        if (self)
            self->Attach(hwnd);
    }
    if (!self)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    bool ok = Guarded([&] { result = self->OnMessage(msg, wParam, lParam); });
    if (!ok && msg == WM_NCCREATE)
        result = FALSE;
    if (msg == WM_NCDESTROY) {
        WNDPROC systemProc = self->systemProc_;
        ::RemovePropA(hwnd, kObjectProp);
        if (systemProc) {
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
            self->systemProc_ = nullptr;
        }
        self->hwnd_ = nullptr;
        self->HandleDestroyed();
    }
    return result;
}

}  // namespace ui
