#include "win/widgets/shockwave_flash.h"

#include <objbase.h>

#include "core/app/swf_background.h"
#include "core/common/file_io.h"
#include "win/ui/application.h"
#include "win/ui/delay_load.h"

namespace widgets {
namespace {

constexpr DISPID kMovieDispId = 102;
const wchar_t kProgId[] = L"ShockwaveFlash.ShockwaveFlash";

}  // namespace

TShockwaveFlash::TShockwaveFlash(ui::TComponent* AOwner) : ui::TWinControl(AOwner) {
    SetBounds(0, 0, 192, 192);
}

TShockwaveFlash::~TShockwaveFlash() {
    if (dispatch_)
        dispatch_->Release();
    dispatch_ = nullptr;
}

void TShockwaveFlash::CreateHandle() {
    ui::TWinControl::CreateHandle();
    host_ = nullptr;
    if (dispatch_) {
        dispatch_->Release();
        dispatch_ = nullptr;
    }
    // Only a movie needs the player (and COM): a picture face's hidden control stays a plain
    // window.
    if (!movie_.empty() && HostPlayer())
        PutMovie();
}

bool TShockwaveFlash::HostPlayer() {
    if (ui::Application && !ui::Application->EnsureOle())
        return false;
    CLSID clsid;
    if (FAILED(sys::CLSIDFromProgID(kProgId, &clsid)))
        return false;
    HMODULE atl = ::LoadLibraryA("atl.dll");
    if (!atl)
        return false;
    using InitFn = BOOL(WINAPI*)();
    using GetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);
    auto init =
        reinterpret_cast<InitFn>(reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxWinInit")));
    auto getControl = reinterpret_cast<GetControlFn>(
        reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxGetControl")));
    if (!init || !getControl || !init())
        return false;
    host_ = ::CreateWindowExA(0, "AtlAxWin", "ShockwaveFlash.ShockwaveFlash",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, Width(), Height(),
                              Handle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!host_)
        return false;
    IUnknown* unknown = nullptr;
    if (FAILED(getControl(host_, &unknown)) || !unknown) {
        ::DestroyWindow(host_);
        host_ = nullptr;
        return false;
    }
    void* dispatch = nullptr;
    unknown->QueryInterface(IID_IDispatch, &dispatch);
    unknown->Release();
    dispatch_ = static_cast<IDispatch*>(dispatch);
    if (!dispatch_) {
        ::DestroyWindow(host_);
        host_ = nullptr;
    }
    return dispatch_ != nullptr;
}

void TShockwaveFlash::PutMovie() {
    int n = ::MultiByteToWideChar(CP_ACP, 0, movie_.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, movie_.c_str(), -1, &wide[0], n);
    VARIANT arg{};
    arg.vt = VT_BSTR;
    arg.bstrVal = sys::SysAllocString(wide.c_str());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&arg, &named, 1, 1};
    dispatch_->Invoke(kMovieDispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                      nullptr, nullptr, nullptr);
    sys::VariantClear(&arg);
}

void TShockwaveFlash::SetMovie(const std::string& path) {
    if (path == movie_)
        return;
    movie_ = path;
    standInColor_ = kDefaultColor;
    if (!path.empty() && core::FileExists(path)) {
        try {
            core::Bytes bytes = core::ReadWholeFile(path);
            if (auto c = core::SwfBackgroundColor(bytes.data(), bytes.size()))
                standInColor_ = static_cast<ui::TColor>(*c);
        } catch (const std::exception&) {
            // An unreadable movie shows the default colour, as the player would show nothing.
        }
    }
    if (!dispatch_ && !movie_.empty() && HandleAllocated())
        HostPlayer();
    if (dispatch_)
        PutMovie();
    Invalidate();
}

bool TShockwaveFlash::OwnsWindow(HWND hwnd) const {
    return hwnd && HandleAllocated() && (hwnd == Handle() || ::IsChild(Handle(), hwnd));
}

void TShockwaveFlash::BoundsChanged() {
    ui::TWinControl::BoundsChanged();
    if (host_)
        ::MoveWindow(host_, 0, 0, Width(), Height(), TRUE);
}

LRESULT TShockwaveFlash::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        RECT r;
        ::GetClientRect(Handle(), &r);
        ui::ScopedBrush brush(::CreateSolidBrush(ui::ColorToRGB(standInColor_)));
        ::FillRect(reinterpret_cast<HDC>(wParam), &r, brush.get());
        return 1;
    }
    // The player's menu never opens here: a right press is the clock's menu (the application's
    // message hook). Without a hook the message is simply not handled.
    if (msg == WM_CONTEXTMENU)
        return 0;
    return ui::TWinControl::WndProc(msg, wParam, lParam);
}

}  // namespace widgets
