#pragma once
// The program's icon in the notification area: tip, popup menu, double click, taskbar restarts,
// session ends, and hiding the application into the tray when it is minimized.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <exception>
#include <functional>
#include <string>

#include "core/widgets/tray_rules.h"
#include "win/ui/control.h"
#include "win/widgets/tray_shell.h"

namespace win {

// The application as the tray icon needs it. The framework's application object implements it.
class TrayHost {
  public:
    virtual ~TrayHost() = default;
    // The top-level window that carries the taskbar button and owns the clock window.
    virtual HWND ApplicationWindow() = 0;
    virtual void HideMainForm() = 0;
    virtual void Minimize() = 0;
    // Used when the tray icon has no icon of its own; may be null.
    virtual HICON ApplicationIcon() = 0;
    // The application's error box.
    virtual void ShowError(const std::exception& error) = 0;
};

enum TTrayVisibilityFlag : unsigned {
    tvVisibleTaskBar = 1,
    tvVisibleTaskList = 2,
    tvAutoHide = 4,
};

class TTrayIcon {
  public:
    static constexpr UINT kCallbackMessage = WM_USER + 1;
    static constexpr UINT kIconId = 1;
    static constexpr const char* kWindowClass = "TTrayIconWindow";

    using DblClickEvent = std::function<
        void(TTrayIcon& sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y)>;
    // Opens the popup menu at a screen point and returns when it has closed.
    using PopupEvent = std::function<void(int x, int y)>;

    // Creates the hidden window and registers "TaskbarCreated"; the icon appears at Loaded().
    TTrayIcon(TrayShell& shell, TrayHost& host);
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // End of loading: applies Active.
    void Loaded();

    bool Active() const { return active_; }
    void SetActive(bool value);
    // Keeps a private copy; null falls back to the application's icon.
    void SetIcon(HICON icon);
    HICON CurrentIcon() const { return currentIcon_; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool Snap = true;
    unsigned Visibility = tvVisibleTaskBar | tvVisibleTaskList | tvAutoHide;
    PopupEvent PopupMenu;
    DblClickEvent OnDblClick;

    HWND Handle() const { return window_; }
    UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
    bool Added() const { return added_; }
    const NOTIFYICONDATAA& NotificationData() const { return data_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ApplicationHook(HWND hwnd,
                                            UINT msg,
                                            WPARAM wParam,
                                            LPARAM lParam,
                                            UINT_PTR id,
                                            DWORD_PTR refData);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void HandleNotification(UINT mouseMessage);
    // True when it hid the application window.
    bool OnApplicationMessage(UINT msg, WPARAM wParam);

    void Start();
    void FillData();
    void PutTip();
    void AddIcon();
    void RemoveIcon();
    void Notify(DWORD message, UINT flags);
    void PopupAt(int x, int y);
    void HookApplication();
    void UnhookApplication();
    void ReplaceIcon(HICON copy);

    TrayShell& shell_;
    TrayHost& host_;
    core::ShellVersion version_;
    HWND window_ = nullptr;
    HWND hookedWindow_ = nullptr;
    UINT taskbarCreated_ = 0;
    NOTIFYICONDATAA data_{};
    HICON ownIcon_ = nullptr;      // the configured icon, copied
    HICON currentIcon_ = nullptr;  // copy of the icon on show
    std::string hint_;
    bool hintChanged_ = false;
    bool active_ = false;
    bool loaded_ = false;
    bool added_ = false;
};

}  // namespace win
