// Cost of the alert popup's painting and animation steps, against a plain BitBlt of a bitmap
// of the same size, and the GDI objects that 100 popups hold and give back.
//   alert_paint_bench [REPEATS]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "win/widgets/desktop_alert.h"
#include "win/widgets/gdi_handles.h"

namespace {

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

DWORD GdiObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
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

    win::ScopedGetDC screen(nullptr);
    win::ScopedMemoryDC target(screen.get());
    win::ScopedGdiObj<HBITMAP> target_bmp(CreateCompatibleBitmap(screen.get(), w, h));
    win::ScopedSelectObject t(target.get(), target_bmp.get());
    win::ScopedMemoryDC source(screen.get());
    win::ScopedGdiObj<HBITMAP> source_bmp(CreateCompatibleBitmap(screen.get(), w, h));
    win::ScopedSelectObject s(source.get(), source_bmp.get());

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
    std::printf(
        "%4d x %-4d paint into memory %8.1f us, window paint %8.1f us, BitBlt %7.1f us "
        "(paint/BitBlt %.1fx); fade step %7.1f us, grow step %7.1f us\n",
        w, h, paint, window_paint, blit, blit > 0 ? paint / blit : 0.0, fade_step, grow_step);
}

void GdiFigures() {
    const DWORD before = GdiObjects();
    std::vector<win::TDesktopAlert*> alerts;
    for (int i = 0; i < 100; ++i) {
        auto* a = new win::TDesktopAlert();
        a->AutoFree = true;
        a->SetHeaderText("Alert");
        a->SetMessageText("Text");
        a->StyleOptions().SetDisplayDuration(0);
        a->Execute();
        alerts.push_back(a);
    }
    Pump();
    const DWORD open = GdiObjects();
    for (auto* a : alerts)
        a->Popup()->CloseCommand();
    for (int i = 0; i < 50; ++i) {
        Pump();
        Sleep(10);
    }
    const DWORD after = GdiObjects();
    if (before == 0 && open == 0) {
        std::printf("GDI objects: not reported by this system (GetGuiResources gives 0)\n");
        return;
    }
    std::printf(
        "GDI objects: %lu before, %lu with 100 popups open (%.1f each), %lu after all freed\n",
        before, open, (double(open) - double(before)) / 100.0, after);
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    PaintFigures(core::kDefaultAlertWidth, core::kDefaultAlertHeight, repeats);
    PaintFigures(800, 400, repeats);
    GdiFigures();
    return 0;
}
