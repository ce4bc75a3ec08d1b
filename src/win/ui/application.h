#pragma once
// The application object: COM for the thread, the hidden application window (it carries the
// taskbar button and owns every form), the title, the message loop and the error box.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/ui/component.h"
#include "win/ui/form.h"
#include "win/ui/window.h"

namespace ui {

// Thrown by TApplication::Halt to leave whatever runs and end the program with `code`.
struct ProgramHalt {
    int code;
};

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};
// Sees the application window's messages first; true = handled (Result is returned).
using TWindowHook = std::function<bool(TMessage& Message)>;
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;

class TApplicationEvents;

class TApplication : public TComponent {
  public:
    TApplication();
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    void Initialize() {}
    HWND Handle() const { return window_.Handle(); }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    const std::string& ExeName() const { return exeName_; }

    TForm* MainForm() const { return mainForm_; }
    void ClearMainForm() { mainForm_ = nullptr; }
    // Creates a form owned by the application, sets *reference, runs its OnCreate; the first
    // form created becomes the main form.
    template <typename T>
    T* CreateForm(T** reference = nullptr) {
        T* form = new T(this);
        if (reference)
            *reference = form;
        form->DoCreate();
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }

    // Shows the main form and runs the message loop until the program is terminated.
    int Run();
    // Runs `body` (creating forms, Run) and returns the exit code; a Halt ends it early. The
    // forms are freed before this returns.
    int Execute(const std::function<void()>& body);
    void HandleMessage();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Ends the program at once with `code`: nothing after the call runs.
    [[noreturn]] void Halt(int code);
    int ExitCode() const { return exitCode_; }

    // The error box: stop icon, OK, the title as caption, the text with a full stop added when
    // its last character sorts after "."; the program goes on.
    void HandleException(const std::string& message);
    void ShowException(const std::string& message) { HandleException(message); }

    // Runs `call` from the message loop, after what is already queued: work that need not hold
    // up showing the window. Calls still queued when the program ends are dropped.
    void Queue(std::function<void()> call);

    // COM with OLE for embedded controls, started on the first call (on the program's thread)
    // rather than at start: only a movie face needs it, and it costs every other clock time.
    bool EnsureOle();

    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int id);
    TMessageEvent OnMessage;

  private:
    friend class TApplicationEvents;
    class AppWindow : public Window {
      public:
        explicit AppWindow(TApplication& app) : app_(app) {}
        void Create(const std::string& title);

      private:
        LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
        TApplication& app_;
    };
    void ProcessMessage(MSG& msg);
    bool IsDialogKey(MSG& msg);

    AppWindow window_;
    std::string exeName_;
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool quitPosted_ = false;
    int exitCode_ = 0;
    bool comInitialized_ = false;
    bool comTried_ = false;
    std::vector<std::function<void()>> queued_;
    std::vector<std::pair<int, TWindowHook>> hooks_;
    int nextHook_ = 1;
    std::vector<TApplicationEvents*> events_;
};

// Puts OnMessage on every message taken from the program's queue, before it is dispatched.
class TApplicationEvents : public TComponent {
  public:
    explicit TApplicationEvents(TComponent* AOwner);
    ~TApplicationEvents() override;
    std::string ClassName() const override { return "TApplicationEvents"; }
    TMessageEvent OnMessage;
};

extern TApplication* Application;

}  // namespace ui
