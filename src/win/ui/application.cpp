#include "win/ui/application.h"

#include <algorithm>
#include <exception>

#include "core/app/app_texts.h"
#include "win/ui/delay_load.h"
#include "win/ui/message_box.h"
#include "win/ui/popup_menu.h"

namespace ui {

TApplication* Application = nullptr;

namespace {
constexpr UINT kWmRunQueued = WM_APP + 100;
}  // namespace

void ReportCurrentException() noexcept {
    std::string text;
    try {
        throw;
    } catch (const ProgramHalt& halt) {
        // Cannot unwind through the system's frames: end the loop instead.
        if (Application) {
            Application->Terminate();
        } else {
            ::PostQuitMessage(halt.code);
        }
        return;
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "Unknown error";
    }
    try {
        if (Application) {
            Application->HandleException(text);
        } else {
            std::string shown = core::ErrorBoxText(text);
            MessageBoxes().Show(nullptr, shown.c_str(), "Error", MB_OK | MB_ICONSTOP);
        }
    } catch (...) {
        // Nothing may leave a boundary, not even a failure to show the box.
    }
}

void TApplication::AppWindow::Create(const std::string& title) {
    WindowParams p;
    p.className = "TApplication";
    p.caption = title;
    p.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    p.x = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    p.y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    p.width = 0;
    p.height = 0;
    p.classStyle = 0;
    CreateWindowHandle(p);
}

LRESULT TApplication::AppWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kWmRunQueued) {  // ours alone: no hook may swallow it
        auto calls = std::move(app_.queued_);
        app_.queued_.clear();
        for (auto& call : calls) {
            try {
                call();
            } catch (...) {
                ReportCurrentException();
            }
        }
        return 0;
    }
    TMessage m{msg, wParam, lParam, 0};
    auto hooks = app_.hooks_;  // a hook may unhook itself
    for (auto& h : hooks)
        if (h.second(m))
            return m.Result;
    LRESULT menu = 0;
    if (DispatchMenuMessage(msg, wParam, lParam, menu))
        return menu;  // the owner-drawn items of popup menus shown for the application
    switch (msg) {
        case WM_CLOSE:
            if (app_.mainForm_)
                app_.mainForm_->Close();
            return 0;
        case WM_ENDSESSION:
            if (wParam)
                app_.Terminate();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

TApplication::TApplication() : TComponent(nullptr), window_(*this) {
    Application = this;
    char path[MAX_PATH * 2] = {0};
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path - 1);
    exeName_.assign(path, n);
    title_ = core::ApplicationTitle(exeName_);
    window_.Create(title_);
}

TApplication::~TApplication() {
    DestroyComponents();
    mainForm_ = nullptr;
    hooks_.clear();
    if (comInitialized_)
        sys::OleUninitialize();
    if (Application == this)
        Application = nullptr;
}

void TApplication::Queue(std::function<void()> call) {
    queued_.push_back(std::move(call));
    if (queued_.size() == 1)
        ::PostMessageA(Handle(), kWmRunQueued, 0, 0);
}

bool TApplication::EnsureOle() {
    if (!comTried_) {
        comTried_ = true;
        comInitialized_ = SUCCEEDED(sys::OleInitialize(nullptr));
    }
    return comInitialized_;
}

void TApplication::SetTitle(const std::string& title) {
    if (title == title_)
        return;
    title_ = title;
    if (Handle())
        ::SetWindowTextA(Handle(), title.c_str());
}

int TApplication::Run() {
    if (mainForm_ && !terminated_) {
        ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        mainForm_->Show();
    }
    while (!terminated_)
        HandleMessage();
    return exitCode_;
}

int TApplication::Execute(const std::function<void()>& body) {
    try {
        body();
    } catch (const ProgramHalt& halt) {
        exitCode_ = halt.code;
    } catch (...) {
        ReportCurrentException();
    }
    DestroyComponents();
    return exitCode_;
}

void TApplication::HandleMessage() {
    MSG msg;
    BOOL r = ::GetMessageA(&msg, nullptr, 0, 0);
    if (r == 0) {
        terminated_ = true;
        return;
    }
    if (r == -1)
        return;
    ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (!terminated_ && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        ProcessMessage(msg);
    }
}

void TApplication::ProcessMessage(MSG& msg) {
    bool handled = false;
    if (OnMessage)
        Guarded([&] { OnMessage(msg, handled); });
    auto events = events_;
    for (TApplicationEvents* e : events) {
        if (handled)
            break;
        if (std::find(events_.begin(), events_.end(), e) == events_.end())
            continue;
        if (e->OnMessage)
            Guarded([&] { e->OnMessage(msg, handled); });
    }
    if (handled || IsDialogKey(msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

bool TApplication::IsDialogKey(MSG& msg) {
    // Tab, arrow, Enter and Escape navigation inside dialog forms.
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    auto* form = dynamic_cast<TForm*>(TWinControl::FindControl(root));
    if (!form || form->BorderStyle() != bsDialog)
        return false;
    return ::IsDialogMessageA(root, &msg) != FALSE;
}

void TApplication::Terminate() {
    if (quitPosted_)
        return;
    quitPosted_ = true;
    ::PostQuitMessage(0);
}

void TApplication::Halt(int code) {
    exitCode_ = code;
    Terminate();
    throw ProgramHalt{code};
}

void TApplication::HandleException(const std::string& message) {
    std::string text = core::ErrorBoxText(message);
    HWND owner = ::GetActiveWindow();
    if (!owner)
        owner = Handle();
    MessageBoxes().Show(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

int TApplication::HookMainWindow(TWindowHook hook) {
    int id = nextHook_++;
    hooks_.emplace_back(id, std::move(hook));
    return id;
}

void TApplication::UnhookMainWindow(int id) {
    hooks_.erase(
        std::remove_if(hooks_.begin(), hooks_.end(), [id](const auto& h) { return h.first == id; }),
        hooks_.end());
}

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner) {
    if (Application)
        Application->events_.push_back(this);
}

TApplicationEvents::~TApplicationEvents() {
    if (Application) {
        auto& list = Application->events_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

}  // namespace ui
