// What the skin costs the program's dialogs:
//   - opening each dialog until it and its controls have painted, skinned and unskinned in
//     alternation;
//   - one frame paint of the alarm list against a BitBlt of the window's size, and the same
//     for one of its skinned buttons;
//   - the GDI objects after 200 open/close cycles of each dialog, against after the first.
// Uses the default skin carried by clock.exe in the same folder.
//   dialog_skin_bench [ROUNDS] [CYCLES]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "gui_objects.h"
#include "win/alarms/about.h"
#include "win/alarms/alarm_list.h"
#include "win/alarms/alarm_modify.h"
#include "win/skin/skin_button.h"
#include "win/skin/skin_test_support.h"
#include "win/ui/application.h"
#include "win/ui/thread_hook.h"

namespace {

using benchgui::CountGdiObjects;
using benchgui::GdiCount;
using benchgui::KindChanges;
using Clock = std::chrono::steady_clock;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Waits for one message and handles it (a dialog's paint comes when nothing else is queued).
void PumpOne() {
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

core::TAlarmDB& Alarms() {
    static core::TAlarmDB db;
    static bool made = false;
    if (!made) {
        db.InitDefaults();
        core::TAlarmRecord r;
        r.SetTitle("Tea time");
        r.SetToDoText("Put the kettle on");
        r.SetAlarmTime(0.5);
        db.AddAlarm(r);
        made = true;
    }
    return db;
}

struct Dialog {
    const char* name;
    std::function<ui::TForm*()> make;  // null: the delete question (a message box)
};

const std::vector<Dialog>& Dialogs() {
    static const std::vector<Dialog> list = {
        {"about box", [] { return new alarms::TfrmAbout(nullptr); }},
        {"alarm list",
         [] {
             auto* l = new alarms::TfrmAlarmList(nullptr);
             l->AlarmDB = &Alarms();
             return l;
         }},
        {"alarm editor", [] { return new alarms::TfrmModifyAlarm(nullptr); }},
        {"delete question", nullptr},
    };
    return list;
}

// Whether the window and every window inside it have painted.
BOOL CALLBACK ChildPainted(HWND h, LPARAM l) {
    if (GetUpdateRect(h, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(l) = false;
        return FALSE;
    }
    return TRUE;
}
bool AllPainted(HWND h) {
    bool painted = !GetUpdateRect(h, nullptr, FALSE);
    if (painted)
        EnumChildWindows(h, ChildPainted, reinterpret_cast<LPARAM>(&painted));
    return painted;
}

skin::TFormSkin* SkinOf(HWND h) {
    skin::TSkinManager* m = skin::TSkinManager::Instance();
    return m ? m->FindSkin(h) : nullptr;
}

// A skinned window has nothing to paint until its set-up has run: only then is it drawn.
bool SetUpDone(HWND h) {
    skin::TFormSkin* s = SkinOf(h);
    return !s || s->State() != skin::fssCreated;
}

// Microseconds from making the dialog until it and all its controls have painted (the
// first paint has ended everywhere); the dialog is gone again when this returns. `skinned`
// tells whether the dialog had a form skin then.
double OpenOnce(const Dialog& d, bool* skinned = nullptr) {
    const auto start = Clock::now();
    auto end = start;
    bool done = false;
    HWND target = nullptr;
    // Every message taken from the queue: after a paint one more comes, so the check below
    // also runs once the last paint has returned.
    ui::TThreadHook watch(WH_GETMESSAGE, [&](int code, WPARAM, LPARAM l) {
        const MSG& m = *reinterpret_cast<const MSG*>(l);
        if (code != HC_ACTION || done)
            return false;
        if (!target && !d.make) {
            HWND box = FindWindowA("#32770", nullptr);
            if (box && IsWindowVisible(box))
                target = box;
        }
        if (!target)
            return false;
        if (m.message == WM_PAINT)
            PostMessageA(target, WM_NULL, 0, 0);
        else if (IsWindowVisible(target) && SetUpDone(target) && AllPainted(target)) {
            done = true;
            end = Clock::now();
            if (skinned)
                *skinned = SkinOf(target) != nullptr;
            if (!d.make)
                PostMessageA(target, WM_COMMAND, IDNO, 0);
        }
        return false;
    });
    if (d.make) {
        ui::TForm* form = d.make();
        target = form->HandleNeeded();
        form->Show();
        for (DWORD t = GetTickCount(); !done && GetTickCount() - t < 5000;)
            PumpOne();
        delete form;
        Pump();
    } else {
        MessageBoxA(nullptr, "Are you sure delete the alarm?", "Sampleclock",
                    MB_YESNO | MB_ICONQUESTION);
        Pump();
    }
    return std::chrono::duration<double, std::micro>(end - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Mean(const std::vector<double>& v) {
    double s = 0;
    for (double x : v)
        s += x;
    return v.empty() ? 0 : s / double(v.size());
}

void OpeningTimes(int rounds) {
    std::printf("Opening until all is painted, %d rounds each, alternating (us):\n", rounds);
    std::printf("  %-16s %10s %10s %10s %10s %7s\n", "dialog", "plain med", "plain mean",
                "skin med", "skin mean", "ratio");
    for (const Dialog& d : Dialogs()) {
        std::vector<double> plain, skinned;
        int wrong = 0;  // rounds whose dialog was not skinned or not plain as it should be
        OpenOnce(d);    // warm: classes registered, fonts made
        for (int i = 0; i < rounds; ++i) {
            bool had = false;
            plain.push_back(OpenOnce(d, &had));
            wrong += had;
            skintest::SkinHost host;
            OpenOnce(d);  // the skin's first use makes its GDI pictures
            skinned.push_back(OpenOnce(d, &had));
            wrong += !had;
        }
        std::printf("  %-16s %10.0f %10.0f %10.0f %10.0f %6.2fx%s\n", d.name, Median(plain),
                    Mean(plain), Median(skinned), Mean(skinned),
                    Median(skinned) / std::max(1.0, Median(plain)),
                    wrong ? " (some rounds did not have the look they should)" : "");
    }
}

void FramePaint(int repeats) {
    skintest::SkinHost host;
    auto* list = new alarms::TfrmAlarmList(nullptr);
    list->AlarmDB = &Alarms();
    list->Show();
    for (DWORD t = GetTickCount();
         !skintest::RunningSkin(list->Handle()) && GetTickCount() - t < 5000;)
        PumpOne();
    Pump();
    skin::TFormSkin* skin = skintest::RunningSkin(list->Handle());
    if (!skin) {
        std::printf("the alarm list was not skinned\n");
        delete list;
        return;
    }
    const SIZE size = skintest::WindowSize(list->Handle());
    // The median of single calls: on a shared machine a mean takes in every other program's
    // bursts.
    auto time = [&](const std::function<void()>& f) {
        std::vector<double> calls;
        for (int i = 0; i < repeats; ++i) {
            const auto start = Clock::now();
            f();
            GdiFlush();
            calls.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        return Median(calls);
    };
    const double frame = time([&] { skin->PaintFrame(); });
    ui::TBitmap picture;
    picture.SetSize(size.cx, size.cy);
    const double blit = time([&] {
        ui::ScopedGetDC dc = ui::ScopedGetDC::WholeWindow(list->Handle());
        BitBlt(dc.get(), 0, 0, size.cx, size.cy, picture.Canvas().Handle(), 0, 0, SRCCOPY);
    });
    std::printf(
        "Frame paint of the alarm list (%ldx%ld), median of %d: %.0f us; BitBlt of the "
        "window's size: %.0f us (%.1fx)\n",
        size.cx, size.cy, repeats, frame, blit, frame / std::max(0.001, blit));
    // One of its buttons painted by its skin, against a BitBlt of the button's size.
    for (skin::TSkinControl* c : skin->ControlSkins()) {
        auto* button = dynamic_cast<skin::TSkinButton*>(c);
        if (!button)
            continue;
        RECT r;
        GetClientRect(button->Handle(), &r);
        const double paint = time([&] { button->PaintEntry(nullptr); });
        const double copy = time([&] {
            ui::ScopedGetDC dc(button->Handle());
            BitBlt(dc.get(), 0, 0, r.right, r.bottom, picture.Canvas().Handle(), 0, 0, SRCCOPY);
        });
        std::printf(
            "Button repaint (%ldx%ld), median of %d: %.0f us; BitBlt of its size: %.0f us "
            "(%.1fx)\n",
            r.right, r.bottom, repeats, paint, copy, paint / std::max(0.001, copy));
        break;
    }
    delete list;
    Pump();
}

void GdiCycles(int cycles) {
    skintest::SkinHost host;
    std::printf("GDI objects over %d open/close cycles of each dialog, skinned:\n", cycles);
    for (const Dialog& d : Dialogs()) {
        OpenOnce(d);
        const GdiCount first = CountGdiObjects();
        for (int i = 1; i < cycles; ++i)
            OpenOnce(d);
        skin::TSkinManager::Instance()->DropFinished();
        const GdiCount last = CountGdiObjects();
        std::printf("  %-16s after the first %lu, after %d: %lu (%s; %s)\n", d.name, first.total,
                    cycles, last.total, KindChanges(first, last).c_str(), last.how);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int cycles = argc > 2 ? std::max(2, std::atoi(argv[2])) : 200;
    ui::TApplication application;
    {
        skintest::SkinHost probe;
        if (!probe.Loaded()) {
            std::fprintf(stderr, "dialog_skin_bench: no default skin in clock.exe beside it\n");
            return 1;
        }
    }
    OpeningTimes(rounds);
    FramePaint(200);
    GdiCycles(cycles);
    return 0;
}
