#include "win/ui/window_subclass.h"

#include <stdexcept>

#include "win/ui/window.h"

namespace ui {
namespace {

const char kRecordProp[] = "DeskClockSubclass";

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

struct Record {
    Record(HWND h, bool w, WNDPROC o)
        : hwnd(h), wide(w), original(o), chain([this](UINT m, WPARAM wp, LPARAM lp) {
              return wide ? ::CallWindowProcW(original, hwnd, m, wp, lp)
                          : ::CallWindowProcA(original, hwnd, m, wp, lp);
          }) {}
    HWND hwnd;
    bool wide;
    WNDPROC original;
    TWndMethodChain chain;
    int depth = 0;
};

LONG_PTR CurrentProc(const Record& r) {
    return r.wide ? ::GetWindowLongPtrW(r.hwnd, GWLP_WNDPROC)
                  : ::GetWindowLongPtrA(r.hwnd, GWLP_WNDPROC);
}

// Puts the window's own procedure back and frees the record, if nobody came after us.
void Release(Record* r, bool destroyed) {
    const bool ours = CurrentProc(*r) == reinterpret_cast<LONG_PTR>(&SubclassProc);
    if (!ours && !destroyed)
        return;  // someone subclassed after us: stay as a pass-through
    if (ours) {
        const LONG_PTR original = reinterpret_cast<LONG_PTR>(r->original);
        if (r->wide)
            ::SetWindowLongPtrW(r->hwnd, GWLP_WNDPROC, original);
        else
            ::SetWindowLongPtrA(r->hwnd, GWLP_WNDPROC, original);
    }
    ::RemovePropA(r->hwnd, kRecordProp);
    delete r;
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* r = static_cast<Record*>(::GetPropA(hwnd, kRecordProp));
    if (!r)
        return ::IsWindowUnicode(hwnd) ? ::DefWindowProcW(hwnd, msg, wParam, lParam)
                                       : ::DefWindowProcA(hwnd, msg, wParam, lParam);
    ++r->depth;
    LRESULT result = 0;
    Guarded([&] { result = r->chain(msg, wParam, lParam); });
    --r->depth;
    if (msg == WM_NCDESTROY)
        Release(r, true);
    else if (r->depth == 0 && r->chain.Empty())
        Release(r, false);
    return result;
}

}  // namespace

TWndMethodChain::Link ChainWindowProc(HWND hwnd, TWndMethodChain::Handler handler) {
    if (!::IsWindow(hwnd))
        throw std::invalid_argument("ChainWindowProc: not a window");
    auto* r = static_cast<Record*>(::GetPropA(hwnd, kRecordProp));
    if (!r) {
        const bool wide = ::IsWindowUnicode(hwnd) != FALSE;
        const LONG_PTR proc = reinterpret_cast<LONG_PTR>(&SubclassProc);
        const LONG_PTR old = wide ? ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, proc)
                                  : ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, proc);
        if (old == 0)
            throw std::runtime_error("ChainWindowProc: the window procedure cannot be replaced");
        r = new Record(hwnd, wide, reinterpret_cast<WNDPROC>(old));
        ::SetPropA(hwnd, kRecordProp, r);
        r->chain.SetOnEmpty([r] {
            if (r->depth == 0)
                Release(r, false);
        });
    }
    return r->chain.InsertHead(std::move(handler));
}

bool IsSubclassed(HWND hwnd) {
    auto* r = static_cast<Record*>(::GetPropA(hwnd, kRecordProp));
    return r && !r->chain.Empty();
}

}  // namespace ui
