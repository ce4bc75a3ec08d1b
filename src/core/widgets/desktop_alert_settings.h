#pragma once
// The alert component's settings: behaviour options, gradient colours and placement, each
// with the change notification its owner listens to.
#include <cstdint>
#include <functional>

#include "core/widgets/alert_paint.h"
#include "core/widgets/alert_placement.h"

namespace core {

enum TDesktopAlertOption : uint8_t { daoCanClick, daoCanMove, daoCanMoveAnywhere, daoCanClose };

// Bit n is option n.
using TDesktopAlertOptions = uint8_t;
constexpr TDesktopAlertOptions kAllAlertOptions = 0x0F;

constexpr TDesktopAlertOptions OptionBit(TDesktopAlertOption o) {
    return TDesktopAlertOptions(1u << o);
}
inline bool HasOption(TDesktopAlertOptions set, TDesktopAlertOption o) {
    return (set & OptionBit(o)) != 0;
}
// Moving anywhere is a kind of moving: without daoCanMove it goes too; unknown bits are dropped.
TDesktopAlertOptions NormalizeAlertOptions(TDesktopAlertOptions set);

class TDesktopAlertChangePersistent {
  public:
    std::function<void()> OnChange;

  protected:
    void Changed() {
        if (OnChange)
            OnChange();
    }
};

class TDesktopAlertColors : public TDesktopAlertChangePersistent {
  public:
    AlertColor WindowFrom() const { return c_.WindowFrom; }
    AlertColor WindowTo() const { return c_.WindowTo; }
    AlertColor CaptionFrom() const { return c_.CaptionFrom; }
    AlertColor CaptionTo() const { return c_.CaptionTo; }
    void SetWindowFrom(AlertColor c) { Set(c_.WindowFrom, c); }
    void SetWindowTo(AlertColor c) { Set(c_.WindowTo, c); }
    void SetCaptionFrom(AlertColor c) { Set(c_.CaptionFrom, c); }
    void SetCaptionTo(AlertColor c) { Set(c_.CaptionTo, c); }
    const AlertColors& Values() const { return c_; }

  private:
    void Set(AlertColor& field, AlertColor c);
    AlertColors c_;
};

class TDesktopAlertLocation : public TDesktopAlertChangePersistent {
  public:
    TDesktopAlertPosition Position() const { return position_; }
    int32_t Top() const { return top_; }
    int32_t Left() const { return left_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool AlwaysResetPosition() const { return always_reset_; }

    // Always notifies, so the owner can pull a stack back in line with it.
    void SetPosition(TDesktopAlertPosition p);
    void SetTop(int32_t v) { Set(top_, v); }
    void SetLeft(int32_t v) { Set(left_, v); }
    void SetWidth(int32_t v) { Set(width_, v); }
    void SetHeight(int32_t v) { Set(height_, v); }
    void SetAlwaysResetPosition(bool v);

  private:
    void Set(int32_t& field, int32_t v);

    TDesktopAlertPosition position_ = dapBottomRight;
    int32_t top_ = 0;
    int32_t left_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool always_reset_ = true;
};

}  // namespace core
