// Placement, gradient, centre-grow and stack arithmetic on arbitrary numbers: no undefined
// behaviour, every result within its bounds, the stack list always well formed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/widgets/alert_paint.h"
#include "core/widgets/alert_placement.h"
#include "core/widgets/alert_style_handler.h"
#include "core/widgets/desktop_alert_stack.h"

namespace {

class Input {
  public:
    Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
    template <class T>
    T Take() {
        T v{};
        size_t n = std::min<size_t>(sizeof v, size_t(end_ - p_));
        std::memcpy(&v, p_, n);
        p_ += n;
        return v;
    }
    bool Empty() const { return p_ == end_; }

  private:
    const uint8_t* p_;
    const uint8_t* end_;
};

class Popup : public core::StackedAlert {
  public:
    int32_t w = 1, h = 1;
    bool visible = true, mouse = false;
    int32_t AlertWidth() const override { return w; }
    int32_t AlertHeight() const override { return h; }
    bool AlertVisible() const override { return visible; }
    bool MouseInside() const override { return mouse; }
    void MoveAlertTo(int32_t, int32_t) override {}
};

void Check(bool ok) {
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);

    core::AlertPlacementInput place;
    place.Position = in.Take<int32_t>();
    place.Left = in.Take<int32_t>();
    place.Top = in.Take<int32_t>();
    place.Width = in.Take<int32_t>();
    place.Height = in.Take<int32_t>();
    place.WorkArea = core::AlertRect{0, 0, in.Take<int16_t>(), in.Take<int16_t>()};
    const core::AlertRect r = core::PlaceDesktopAlert(place);
    Check(r.Right >= r.Left && r.Bottom >= r.Top);

    core::MulDiv(in.Take<int32_t>(), in.Take<int32_t>(), in.Take<int32_t>());

    // Gradients over rectangles of window size.
    const int32_t top = in.Take<int16_t>();
    const int32_t height = in.Take<uint16_t>() % 2048;
    const core::AlertRect g{0, top, 4, top + height};
    const uint32_t from = in.Take<uint32_t>(), to = in.Take<uint32_t>();
    int32_t rows = 0, last = g.Top;
    for (const core::GradientBand& b : core::FillGradient(g, from, to, in.Take<int32_t>())) {
        Check(b.Rect.Top == last && b.Rect.Bottom > b.Rect.Top && b.Rect.Bottom <= g.Bottom);
        rows += b.Rect.Height();
        last = b.Rect.Bottom;
    }
    Check(rows == (g.Empty() ? 0 : g.Height()));

    const int32_t w = in.Take<int32_t>(), h = in.Take<int32_t>();
    const core::AlertRect grown = core::CenterGrowRect(w, h, in.Take<double>());
    if (w >= 0 && h >= 0)
        Check(grown.Left >= 0 && grown.Right <= w && grown.Bottom <= h);

    // Stack: a random walk of adds, removals and pointer moves over a few popups.
    Popup popups[6];
    core::TDesktopAlertStack stack([] { return core::AlertRect{0, 0, 1024, 768}; });
    stack.SetPosition(core::PositionFromValue(in.Take<uint8_t>() % 10));
    while (!in.Empty()) {
        const uint8_t op = in.Take<uint8_t>();
        Popup& p = popups[(op >> 2) % 6];
        switch (op & 3) {
            case 0:
                p.h = in.Take<uint8_t>();
                stack.AddAlert(&p);
                break;
            case 1:
                stack.RemoveAlert(&p);
                break;
            case 2:
                p.mouse = !p.mouse;
                break;
            case 3:
                p.visible = !p.visible;
                stack.ArrangeAlerts();
                break;
        }
        const auto& slots = stack.Slots();
        Check(slots.empty() || slots.back() != nullptr);
        for (size_t i = 0; i < slots.size(); ++i)
            for (size_t j = i + 1; j < slots.size(); ++j)
                Check(!slots[i] || slots[i] != slots[j]);
    }
    return 0;
}
