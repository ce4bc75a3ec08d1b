#pragma once
// Move-only owners for Win32 handles. Each type frees its handle exactly once; release() hands
// the handle over (for example to SetWindowRgn, which owns the region after success).
#include <windows.h>

#include <utility>

namespace ui {

template <typename Traits>
class UniqueHandle {
  public:
    using handle_type = typename Traits::handle_type;

    UniqueHandle() = default;
    explicit UniqueHandle(handle_type h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    handle_type get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::invalid(); }
    handle_type release() {
        handle_type h = h_;
        h_ = Traits::invalid();
        return h;
    }
    void reset(handle_type h = Traits::invalid()) {
        if (h_ != Traits::invalid() && h_ != h)
            Traits::close(h_);
        h_ = h;
    }

  private:
    handle_type h_ = Traits::invalid();
};

template <typename H>
struct GdiObjectTraits {
    using handle_type = H;
    static H invalid() { return nullptr; }
    static void close(H h) { ::DeleteObject(h); }
};
using ScopedGdiObject = UniqueHandle<GdiObjectTraits<HGDIOBJ>>;
using ScopedBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using ScopedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using ScopedPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using ScopedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using ScopedRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

struct MemoryDCTraits {
    using handle_type = HDC;
    static HDC invalid() { return nullptr; }
    static void close(HDC h) { ::DeleteDC(h); }
};
// A DC from CreateCompatibleDC / CreateDC.
using ScopedMemoryDC = UniqueHandle<MemoryDCTraits>;

struct HookTraits {
    using handle_type = HHOOK;
    static HHOOK invalid() { return nullptr; }
    static void close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
using ScopedHook = UniqueHandle<HookTraits>;

struct RegKeyTraits {
    using handle_type = HKEY;
    static HKEY invalid() { return nullptr; }
    static void close(HKEY h) { ::RegCloseKey(h); }
};
using ScopedRegKey = UniqueHandle<RegKeyTraits>;

struct IconTraits {
    using handle_type = HICON;
    static HICON invalid() { return nullptr; }
    static void close(HICON h) { ::DestroyIcon(h); }
};
using ScopedIcon = UniqueHandle<IconTraits>;

struct MenuTraits {
    using handle_type = HMENU;
    static HMENU invalid() { return nullptr; }
    static void close(HMENU h) { ::DestroyMenu(h); }
};
using ScopedMenu = UniqueHandle<MenuTraits>;

struct FileTraits {
    using handle_type = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};
using ScopedFile = UniqueHandle<FileTraits>;

// GetDC/ReleaseDC pair: the DC belongs to a window and must go back to it.
class ScopedGetDC {
  public:
    ScopedGetDC() = default;
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    // A DC for the whole window, frame included (GetWindowDC); given back the same way.
    static ScopedGetDC WholeWindow(HWND hwnd) {
        ScopedGetDC dc;
        dc.hwnd_ = hwnd;
        dc.dc_ = ::GetWindowDC(hwnd);
        return dc;
    }
    ~ScopedGetDC() { reset(); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    ScopedGetDC(ScopedGetDC&& o) noexcept : hwnd_(o.hwnd_), dc_(o.release()) {}
    ScopedGetDC& operator=(ScopedGetDC&& o) noexcept {
        if (this != &o) {
            reset();
            hwnd_ = o.hwnd_;
            dc_ = o.release();
        }
        return *this;
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    HDC release() {
        HDC dc = dc_;
        dc_ = nullptr;
        return dc;
    }
    void reset() {
        if (dc_)
            ::ReleaseDC(hwnd_, dc_);
        dc_ = nullptr;
    }

  private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back when it ends.
class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~ScopedSelectObject() {
        if (dc_ && old_ && old_ != HGDI_ERROR)
            ::SelectObject(dc_, old_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ScopedSelectObject(ScopedSelectObject&& o) noexcept : dc_(o.dc_), old_(o.old_) {
        o.dc_ = nullptr;
        o.old_ = nullptr;
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A SetTimer id on a window; KillTimer when it ends.
class ScopedTimer {
  public:
    ScopedTimer() = default;
    ScopedTimer(HWND hwnd, UINT_PTR id, UINT interval)
        : hwnd_(hwnd), id_(::SetTimer(hwnd, id, interval, nullptr)) {}
    ~ScopedTimer() { reset(); }
    ScopedTimer(const ScopedTimer&) = delete;
    ScopedTimer& operator=(const ScopedTimer&) = delete;
    ScopedTimer(ScopedTimer&& o) noexcept : hwnd_(o.hwnd_), id_(o.release()) {}
    ScopedTimer& operator=(ScopedTimer&& o) noexcept {
        if (this != &o) {
            reset();
            hwnd_ = o.hwnd_;
            id_ = o.release();
        }
        return *this;
    }
    UINT_PTR get() const { return id_; }
    explicit operator bool() const { return id_ != 0; }
    UINT_PTR release() {
        UINT_PTR id = id_;
        id_ = 0;
        return id;
    }
    void reset() {
        if (id_)
            ::KillTimer(hwnd_, id_);
        id_ = 0;
    }

  private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
};

}  // namespace ui
