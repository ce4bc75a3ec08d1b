// Cost of the alert popup's painting and animation steps, against a plain BitBlt of a bitmap
// of the same size, and the GDI objects that 100 popups hold and give back.
//   alert_paint_bench [REPEATS]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gui_objects.h"
#include "win/ui/handles.h"
#include "win/widgets/desktop_alert.h"

namespace {

using benchgui::CountGdiObjects;
using benchgui::GdiCount;
using benchgui::KindChanges;
using benchgui::PopupWindows;
using Clock = std::chrono::steady_clock;

// Animation timers fired by hand, so one step can be timed alone.
class HandTimer : public core::AlertTimer {
  public:
    void Start(uint32_t) override { running_ = true; }
    void Stop() override { running_ = false; }
    bool Running() const override { return running_; }

  private:
    bool running_ = false;
};

struct HandTimers {
    HandTimer* last = nullptr;
    core::AlertTimerFactory Factory() {
        return [this] {
            auto t = std::make_unique<HandTimer>();
            last = t.get();
            return t;
        };
    }
};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

template <class F>
double MicrosPerCall(int repeats, F f) {
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i)
        f();
    const auto took = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    return took / repeats;
}

// One mid-animation opening step (the fifth), timed alone.
double StepMicros(win::TDesktopAlert& alert, HandTimers& timers, int repeats) {
    double total = 0;
    for (int i = 0; i < repeats; ++i) {
        alert.StyleOptions().BeginOpening();
        for (int k = 0; k < 4; ++k)
            timers.last->Fire();
        const auto start = Clock::now();
        timers.last->Fire();
        total += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }
    return total / repeats;
}

void PaintFigures(int w, int h, int repeats) {
    HandTimers timers;
    win::TDesktopAlert alert(nullptr, timers.Factory());
    alert.SetHeaderText("Meeting at 10");
    alert.SetMessageText("Bring the quarterly figures and the projector cable; room 4.12.");
    alert.Location().SetPosition(core::dapCustom);
    alert.Location().SetWidth(w);
    alert.Location().SetHeight(h);
    alert.StyleOptions().SetDisplayDuration(0);
    alert.Execute();
    win::TFormDesktopAlert& popup = *alert.Popup();

    ui::ScopedGetDC screen(nullptr);
    ui::ScopedMemoryDC target(CreateCompatibleDC(screen.get()));
    ui::ScopedBitmap target_bmp(CreateCompatibleBitmap(screen.get(), w, h));
    ui::ScopedSelectObject t(target.get(), target_bmp.get());
    ui::ScopedMemoryDC source(CreateCompatibleDC(screen.get()));
    ui::ScopedBitmap source_bmp(CreateCompatibleBitmap(screen.get(), w, h));
    ui::ScopedSelectObject s(source.get(), source_bmp.get());

    const double paint = MicrosPerCall(repeats, [&] { popup.PaintTo(target.get()); });
    const double window_paint = MicrosPerCall(repeats, [&] {
        RedrawWindow(popup.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    const double blit = MicrosPerCall(
        repeats, [&] { BitBlt(target.get(), 0, 0, w, h, source.get(), 0, 0, SRCCOPY); });
    GdiFlush();

    const double fade_step = StepMicros(alert, timers, repeats);
    alert.SetAlertStyle(core::asCenterGrow);
    alert.StyleOptions().SetDisplayDuration(0);
    const double grow_step = StepMicros(alert, timers, repeats);
    const auto ratio = [blit](double us) { return blit > 0 ? us / blit : 0.0; };
    std::printf(
        "%4d x %-4d paint into memory %8.1f us, window paint %8.1f us, BitBlt %7.1f us; "
        "fade step %7.1f us, grow step %7.1f us; against BitBlt: paint %.1fx, window paint "
        "%.1fx, fade step %.1fx, grow step %.1fx\n",
        w, h, paint, window_paint, blit, fade_step, grow_step, ratio(paint), ratio(window_paint),
        ratio(fade_step), ratio(grow_step));
}

// 100 popups open with their opening animation, then close with their closing one and free
// themselves: every object a step made must be gone again. Returns the count afterwards.
GdiCount GdiRound(int round) {
    const GdiCount before = CountGdiObjects();
    for (int i = 0; i < 100; ++i) {
        auto* a = new win::TDesktopAlert(nullptr);
        a->AutoFree = true;
        a->SetHeaderText("Alert");
        a->SetMessageText("Text");
        a->SetAlertStyle(i % 2 ? core::asCenterGrow : core::asFade);
        a->StyleOptions().SetDisplayDuration(1000);  // closes itself after a second
        a->Execute();
    }
    const GdiCount open = CountGdiObjects();
    const int opened = PopupWindows();
    for (DWORD start = GetTickCount(); PopupWindows() > 0 && GetTickCount() - start < 30000;) {
        Pump();
        Sleep(10);
    }
    const GdiCount after = CountGdiObjects();
    std::printf(
        "GDI objects, round %d (%s): %lu before, %lu with %d popups open (%.1f each), %lu after "
        "they closed (%d windows left); kept: %s\n",
        round, before.how, before.total, open.total, opened,
        (double(open.total) - double(before.total)) / 100.0, after.total, PopupWindows(),
        KindChanges(before, after).c_str());
    return after;
}

// The first round also fills the system's cache of window DCs (a DC and its clip region per
// entry, bounded: Wine keeps up to 64); later rounds must come back exactly to where they began.
void GdiFigures() {
    GdiRound(1);
    const GdiCount warm = CountGdiObjects();
    GdiRound(2);
    const GdiCount end = GdiRound(3);
    std::printf("GDI objects after rounds 2 and 3: %s\n", end.total == warm.total
                                                              ? "back where they started"
                                                              : "NOT back where they started");
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    PaintFigures(core::kDefaultAlertWidth, core::kDefaultAlertHeight, repeats);
    PaintFigures(800, 400, repeats);
    GdiFigures();
    return 0;
}
