// Soak: opens and closes the alarm list, the alarm editor, the about box, a message box and the
// popup menu ROUNDS times each (default 500), and shows ROUNDS popups in batches of 50. Prints
// the GDI objects (counted by kind, probing the handle table: Wine answers GetGuiResources
// with 0), the USER objects (the windows of the process; Wine answers for them with 0 too) and
// the resident memory
// after the first round and at checkpoints; nothing may grow after the first round.
//   soak_bench [ROUNDS]
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/alarms/alarm_db.h"
#include "core/app/clock_design.h"
#include "gui_objects.h"
#include "win/alarms/about.h"
#include "win/alarms/alarm_list.h"
#include "win/alarms/alarm_modify.h"
#include "win/app/msg.h"
#include "win/ui/application.h"
#include "win/ui/popup_menu.h"
#include "win/widgets/desktop_alert.h"

namespace {

struct Counts {
    unsigned long gdi = 0, windows = 0;
    double residentMb = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp) {
    ++*reinterpret_cast<unsigned long*>(lp);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lp) {
    ++*reinterpret_cast<unsigned long*>(lp);
    EnumChildWindows(hwnd, CountChild, lp);
    return TRUE;
}

Counts Measure() {
    Counts c;
    c.gdi = benchgui::CountGdiObjects().total;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&c.windows));
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc))
        c.residentMb = double(pmc.WorkingSetSize) / (1024.0 * 1024.0);
    return c;
}

void Pump() {
    MSG msg;
    for (int i = 0; i < 4; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(1);
    }
}

// Closes the window of class `cls` once it shows, from inside its modal loop.
void CloseWhenShown(const char* cls, UINT message, WPARAM wParam) {
    ui::Application->Queue([cls, message, wParam] {
        HWND h = FindWindowA(cls, nullptr);
        if (h && IsWindowVisible(h)) {
            PostMessageA(h, message, wParam, 0);
        } else {
            CloseWhenShown(cls, message, wParam);  // not up yet: look again
            Sleep(1);
        }
    });
}

void OpenAndCloseDialogs(core::TAlarmDB& db,
                         const std::string& store,
                         const core::DesignHeader& header,
                         ui::TPopupMenu& menu) {
    auto* list = new alarms::TfrmAlarmList(nullptr);
    list->AlarmDB = &db;
    list->AlarmFilePath = store;
    CloseWhenShown("TfrmAlarmList", WM_CLOSE, 0);
    list->ShowModal();

    auto* editor = new alarms::TfrmModifyAlarm(nullptr);
    editor->Alarm = db.GetAlarm(0);
    editor->TransferAlarm(false);
    CloseWhenShown("TfrmModifyAlarm", WM_CLOSE, 0);
    editor->ShowModal();

    auto* about = new alarms::TfrmAbout(nullptr);
    about->ShowDesign(header);
    CloseWhenShown("TfrmAbout", WM_CLOSE, 0);
    about->ShowModal();

    CloseWhenShown("#32770", WM_COMMAND, IDOK);
    app::ShowInfo(nullptr, "Soak: a message box");

    ui::Application->Queue([] { EndMenu(); });
    menu.Popup(100, 100);
    Pump();  // the dialogs free themselves after their last message
}

// 50 popups shown at once, each closing itself after 100 ms with its closing animation.
bool PopupBatch() {
    for (int i = 0; i < 50; ++i) {
        auto* a = new win::TDesktopAlert(nullptr);
        a->AutoFree = true;
        a->SetHeaderText("Soak");
        a->SetMessageText("A popup of the soak run");
        a->SetAlertStyle(i % 2 ? core::asCenterGrow : core::asFade);
        a->StyleOptions().SetDisplayDuration(100);
        a->Execute();
    }
    for (DWORD start = GetTickCount(); benchgui::PopupWindows() > 0; Sleep(5)) {
        if (GetTickCount() - start > 60000)
            return false;
        Pump();
    }
    Pump();
    return true;
}

void Print(const char* what, int round, const Counts& c, const Counts& first) {
    std::printf(
        "%-8s round %4d: GDI %5lu (%+ld), USER windows %3lu (%+ld), resident %.1f MB (%+.1f)\n",
        what, round, c.gdi, long(c.gdi) - long(first.gdi), c.windows,
        long(c.windows) - long(first.windows), c.residentMb, c.residentMb - first.residentMb);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 500;
    ui::TApplication application;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string store =
        std::string(temp) + "soak_" + std::to_string(GetCurrentProcessId()) + ".sav";
    core::TAlarmDB db;
    db.InitDefaults();
    for (const char* title : {"Stand up", "Water the plants", "Call home"}) {
        core::TAlarmRecord r;
        r.SetAlarmType(1);
        r.SetAlarmTime(0.375);
        r.SetTitle(title);
        r.SetToDoText("Soak run");
        db.AddAlarm(r);
    }
    db.SaveToFile(store);
    core::DesignHeader header;
    header.SetMagic("ZQM");
    header.SetClockName("Soak Clock");
    header.SetAuthor("Bench");
    ui::TPopupMenu menu(nullptr);
    for (const char* caption : {"&Alarms", "&Hide", "-", "A&bout", "&Exit"}) {
        auto* item = new ui::TMenuItem(&menu);
        item->SetCaption(caption);
        menu.Items().Add(item);
    }

    const Counts start = Measure();
    OpenAndCloseDialogs(db, store, header, menu);
    const Counts first = Measure();
    Print("dialogs", 1, first, first);
    std::printf("         (before the first round: GDI %lu, windows %lu, resident %.1f MB)\n",
                start.gdi, start.windows, start.residentMb);
    Counts last = first;
    double peakMb = first.residentMb;
    for (int round = 2; round <= rounds; ++round) {
        OpenAndCloseDialogs(db, store, header, menu);
        if (round % 100 == 0 || round == rounds) {
            last = Measure();
            peakMb = std::max(peakMb, last.residentMb);
            Print("dialogs", round, last, first);
        }
    }
    const bool dialogsBack = last.gdi == first.gdi && last.windows == first.windows;

    const int batches = std::max(1, rounds / 50);
    bool closed = PopupBatch();
    const Counts popupFirst = Measure();
    Print("popups", 1, popupFirst, popupFirst);
    Counts popupLast = popupFirst;
    for (int batch = 2; batch <= batches && closed; ++batch) {
        closed = PopupBatch();
        popupLast = Measure();
        peakMb = std::max(peakMb, popupLast.residentMb);
        Print("popups", batch, popupLast, popupFirst);
    }
    const bool popupsBack =
        closed && popupLast.gdi == popupFirst.gdi && popupLast.windows == popupFirst.windows;
    std::printf(
        "%d rounds of each dialog, the message box and the menu: %s; %d popups: %s; "
        "resident memory %.1f MB after round 1, %.1f MB at the end (peak %.1f)\n",
        rounds, dialogsBack ? "back to round 1's counts" : "NOT back to round 1's counts",
        batches * 50, popupsBack ? "back to the first batch's counts" : "NOT back",
        first.residentMb, popupLast.residentMb, peakMb);
    DeleteFileA(store.c_str());
    return dialogsBack && popupsBack ? 0 : 1;
}
