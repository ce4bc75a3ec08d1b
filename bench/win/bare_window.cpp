// A bare Win32 program: one window and a 1 s timer that repaints a counter. The peer for
// start-up time, CPU and memory comparisons with the clock.
#include <windows.h>

#include <cstdio>

namespace {

int g_ticks = 0;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_TIMER:
            ++g_ticks;
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            char text[32];
            int n = std::snprintf(text, sizeof text, "%d", g_ticks);
            ::TextOutA(dc, 4, 4, text, n);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "BareWindow";
    ::RegisterClassA(&wc);
    HWND hwnd = ::CreateWindowExA(0, "BareWindow", "Bare window", WS_POPUP | WS_VISIBLE,
                                  ::GetSystemMetrics(SM_CXSCREEN) - 200,
                                  ::GetSystemMetrics(SM_CYSCREEN) - 120, 200, 90, nullptr, nullptr,
                                  instance, nullptr);
    ::ShowWindow(hwnd, show);
    ::SetTimer(hwnd, 1, 1000, nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
