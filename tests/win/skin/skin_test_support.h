#pragma once
// Shared pieces of the skin's Windows tests: the default skin carried by clock.exe on a host
// form, as the clock window carries it; waiting for a window's form skin; the mouse as a user
// moves it; and screen pixels.
#include <windows.h>

#include <functional>
#include <string>

#include "core/skin/frame_region.h"
#include "win/skin/form_skin.h"
#include "win/skin/skin_data_component.h"
#include "win/skin/skin_manager.h"
#include "win/ui/form.h"
#include "win/win_test_support.h"

namespace skintest {

// A hidden form carrying the default skin with the clock window's settings; loading it starts
// the skin manager, freed again with the host.
class SkinHost {
  public:
    SkinHost() {
        module_ = ::LoadLibraryExA((wintest::BinFolder() + "clock.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
        form_ = new ui::TForm(nullptr);
        form_->SetBorderStyle(ui::bsNone);
        data_ = new skin::TSkinData(form_);
        data_->SetName("SkinData1");
        data_->SetActive(true);
        loaded_ = module_ && data_->LoadSkinResource(module_);
        form_->DoCreate();
    }
    ~SkinHost() {
        delete form_;
        if (module_)
            ::FreeLibrary(module_);
    }
    SkinHost(const SkinHost&) = delete;
    SkinHost& operator=(const SkinHost&) = delete;

    bool Loaded() const { return loaded_; }
    skin::TSkinData& Data() { return *data_; }
    const core::TSkinData& Skin() const { return data_->Data(); }

  private:
    HMODULE module_ = nullptr;
    ui::TForm* form_ = nullptr;
    skin::TSkinData* data_ = nullptr;
    bool loaded_ = false;
};

// The form skin of `hwnd` once its set-up has run, or nullptr.
inline skin::TFormSkin* RunningSkin(HWND hwnd) {
    skin::TSkinManager* m = skin::TSkinManager::Instance();
    skin::TFormSkin* s = m ? m->FindSkin(hwnd) : nullptr;
    return s && s->State() == skin::fssRunning ? s : nullptr;
}

// The control skin the form skin of `form` holds for `control`, if it is a T.
template <class T>
T* ControlSkinOf(HWND form, HWND control) {
    skin::TFormSkin* s = RunningSkin(form);
    return s ? dynamic_cast<T*>(s->FindControlSkin(control)) : nullptr;
}

// A dialog step: the form shows with its skin running.
inline std::function<bool()> WhenRunning(ui::TForm& form) {
    return [&form] {
        return form.HandleAllocated() && ::IsWindowVisible(form.Handle()) &&
               RunningSkin(form.Handle()) != nullptr;
    };
}

// Frame widths as the window shows them: window rectangle against client area.
struct Frame {
    int left, top, right, bottom;
    SIZE client;
};
inline Frame FrameOf(HWND hwnd) {
    RECT w, c;
    ::GetWindowRect(hwnd, &w);
    ::GetClientRect(hwnd, &c);
    POINT o{0, 0};
    ::ClientToScreen(hwnd, &o);
    return Frame{o.x - w.left, o.y - w.top, w.right - (o.x + c.right), w.bottom - (o.y + c.bottom),
                 SIZE{c.right, c.bottom}};
}

// The size a window has under its system frame for its client area.
inline SIZE SystemFrameSize(HWND hwnd) {
    RECT c;
    ::GetClientRect(hwnd, &c);
    RECT r{0, 0, c.right, c.bottom};
    ::AdjustWindowRectEx(&r, DWORD(::GetWindowLongPtrA(hwnd, GWL_STYLE)), FALSE,
                         DWORD(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

inline SIZE WindowSize(HWND hwnd) {
    RECT w;
    ::GetWindowRect(hwnd, &w);
    return SIZE{w.right - w.left, w.bottom - w.top};
}

inline COLORREF ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF c = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return c;
}

// A pixel of `window` in window coordinates, as the screen shows it.
inline COLORREF WindowPixel(HWND window, int x, int y) {
    RECT w;
    ::GetWindowRect(window, &w);
    return ScreenPixel(w.left + x, w.top + y);
}

// Pixel (x, y) of frame `frame` of a skin picture holding `count` frames.
inline uint32_t FramePixel(const core::Bitmap& picture,
                           int count,
                           int frame,
                           int x,
                           int y,
                           bool stacked = false) {
    const core::Rect r = core::FrameRect(picture, count, frame, stacked);
    return picture.At(r.left + x, r.top + y);
}

// Whether the middle column of the caption shows frame `frame` of the Top picture (rows 1 to
// caption height - 2, away from text and buttons).
inline bool CaptionShowsTopFrame(HWND hwnd, const core::TSkinData& skin, int frame) {
    const core::TDataSkinObject& top = skin.Border(core::kBorderTop);
    const int ch = top.Picture.height / top.FrameCount;
    RECT w;
    ::GetWindowRect(hwnd, &w);
    const int x = (w.right - w.left) / 2;
    for (int y = 1; y < ch - 1; ++y)
        if (WindowPixel(hwnd, x, y) !=
            FramePixel(top.Picture, top.FrameCount, frame, top.Picture.width / 2, y, true))
            return false;
    return true;
}

// The mouse, as the system's input queue gets it from a user.
inline void MouseTo(int x, int y) {
    ::SetCursorPos(x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = LONG(x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = LONG(y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
}
inline void MouseButton(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof in);
}

// The caption button of the form skin with `action`, in screen coordinates.
inline RECT ButtonOnScreen(HWND hwnd, int action) {
    RECT w;
    ::GetWindowRect(hwnd, &w);
    if (skin::TFormSkin* s = RunningSkin(hwnd))
        for (const auto& b : s->CaptionButtons())
            if (b->Visible() && b->Def().Action == action) {
                RECT r = b->Rect();
                ::OffsetRect(&r, w.left, w.top);
                return r;
            }
    return RECT{0, 0, 0, 0};
}

}  // namespace skintest
