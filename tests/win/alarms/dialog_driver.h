#pragma once
// Drives the program's modal dialogs as a user would: a timer inside the modal loops runs
// script steps that post clicks and set texts through window messages. Steps never block, so a
// click that opens another modal dialog returns at once and the next step runs inside it.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/common/date_time.h"
#include "win/ui/timer.h"
#include "win/ui/win_control.h"

namespace wintest {

class DialogDriver {
  public:
    DialogDriver() : timer_(nullptr) {
        timer_.SetInterval(20);
        timer_.OnTimer = [this](ui::TObject*) { Tick(); };
        start_ = ::GetTickCount();
        timer_.SetEnabled(true);
    }
    // A step returns false to be tried again on the next tick.
    void Then(std::function<bool()> step) { steps_.push_back(std::move(step)); }
    bool Finished() const { return next_ == steps_.size(); }
    bool TimedOut() const { return timedOut_; }

    // Holds the current dialog open for a screenshot when DIALOGS_HOLD_MS is set.
    void Hold() {
        const char* env = std::getenv("DIALOGS_HOLD_MS");
        if (!env)
            return;
        DWORD ms = static_cast<DWORD>(std::atoi(env));
        DWORD* until = new DWORD(0);
        Then([until, ms] {
            if (*until == 0)
                *until = ::GetTickCount() + ms;
            if (::GetTickCount() < *until)
                return false;
            delete until;
            return true;
        });
    }

  private:
    static BOOL CALLBACK CloseVisible(HWND h, LPARAM) {
        if (::IsWindowVisible(h))
            ::PostMessageA(h, WM_CLOSE, 0, 0);
        return TRUE;
    }
    void Tick() {
        if (::GetTickCount() - start_ > 20000 && !timedOut_) {
            // A test went wrong: close whatever is open so the test ends and reports it.
            timedOut_ = true;
            ::EndMenu();
            for (const char* cls : {"TfrmModifyAlarm", "TfrmAlarmList", "TfrmAbout", "TForm"})
                for (HWND h = ::FindWindowA(cls, nullptr); h; h = nullptr)
                    ::PostMessageA(h, WM_CLOSE, 0, 0);
            // Message boxes: whichever of their buttons they have.
            for (HWND h = ::FindWindowA("#32770", nullptr); h; h = nullptr)
                for (WPARAM id : {IDCANCEL, IDNO, IDOK})
                    ::PostMessageA(h, WM_COMMAND, id, 0);
            // And a test's own forms.
            ::EnumThreadWindows(::GetCurrentThreadId(), CloseVisible, 0);
        }
        if (timedOut_ || Finished() || busy_)
            return;
        busy_ = true;
        if (steps_[next_]())
            ++next_;
        busy_ = false;
    }

    ui::TTimer timer_;
    std::vector<std::function<bool()>> steps_;
    size_t next_ = 0;
    bool busy_ = false;
    bool timedOut_ = false;
    DWORD start_;
};

// The visible framework form of window class `cls`, or nullptr.
template <typename T>
T* VisibleForm(const char* cls) {
    HWND h = ::FindWindowA(cls, nullptr);
    if (!h || !::IsWindowVisible(h) || !::IsWindowEnabled(h))
        return nullptr;
    return dynamic_cast<T*>(ui::TWinControl::FindControl(h));
}

// A press of a push button, delivered after the current step.
inline void PostClick(ui::TWinControl* button) {
    ::PostMessageA(button->Handle(), BM_CLICK, 0, 0);
}

inline void TypeText(ui::TWinControl* edit, const std::string& text) {
    ::SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// What a drop-down list does when the user picks item `index`.
inline void ChooseItem(ui::TWinControl* combo, int index) {
    ::SendMessageA(combo->Handle(), CB_SETCURSEL, WPARAM(index), 0);
    HWND h = combo->Handle();
    ::SendMessageA(::GetParent(h), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(h), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(h));
}

// What a date picker does when the user picks a day.
inline void PickDate(ui::TWinControl* picker, int year, int month, int day) {
    HWND h = picker->Handle();
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = h;
    change.nmhdr.idFrom = UINT_PTR(::GetDlgCtrlID(h));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st.wYear = WORD(year);
    change.st.wMonth = WORD(month);
    change.st.wDay = WORD(day);
    ::SendMessageA(h, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&change.st));
    ::SendMessageA(::GetParent(h), WM_NOTIFY, change.nmhdr.idFrom,
                   reinterpret_cast<LPARAM>(&change));
}

inline void SelectRow(ui::TWinControl* list, int index) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list->Handle(), LVM_SETITEMSTATE, WPARAM(index),
                   reinterpret_cast<LPARAM>(&state));
}

// A left click at the middle of a control.
inline void ClickControl(ui::TWinControl* control) {
    RECT r;
    ::GetClientRect(control->Handle(), &r);
    LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    ::SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(control->Handle(), WM_LBUTTONUP, 0, at);
}

}  // namespace wintest
