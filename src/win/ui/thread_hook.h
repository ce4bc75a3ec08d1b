#pragma once
// Hook procedures for the program's user-interface thread, as owned objects. The owners of
// one hook kind share one system hook: installed with the first owner, removed with the last,
// so owners come and go in any order. Every owner sees every call, newest first.
#include <windows.h>

#include <functional>

namespace ui {

class TThreadHook {
  public:
    // Returns true to swallow the call: the hook then answers 1 and the next hooks do not see
    // it. Otherwise the call goes on to the next hook.
    using Handler = std::function<bool(int code, WPARAM wParam, LPARAM lParam)>;

    // `kind` is WH_CBT, WH_MSGFILTER, WH_GETMESSAGE or WH_CALLWNDPROC.
    TThreadHook(int kind, Handler handler);
    ~TThreadHook();
    TThreadHook(const TThreadHook&) = delete;
    TThreadHook& operator=(const TThreadHook&) = delete;

    int Kind() const { return kind_; }
    // Whether a system hook of `kind` is installed for this thread (for checks).
    static bool Installed(int kind);

  private:
    friend struct HookDispatch;
    int kind_;
    Handler handler_;
};

}  // namespace ui
