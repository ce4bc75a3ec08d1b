#pragma once
// Opening animation, display wait and closing animation of an alert popup. The handlers are
// plain state machines: the popup window and the timer sit behind the two small interfaces
// below, so Win32 plugs in a window-message timer and a layered window.
#include <cstdint>
#include <functional>
#include <memory>

#include "core/widgets/alert_rect.h"

namespace core {

enum TAlertStyle : int32_t { asFade, asCenterGrow };

bool IsAlertStyle(int32_t value);

// A one-shot-or-repeating interval timer. The owner of the real timer calls Fire() on each tick.
class AlertTimer {
  public:
    virtual ~AlertTimer() = default;
    virtual void Start(uint32_t interval_ms) = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;

    void SetOnTimer(std::function<void()> handler) { on_timer_ = std::move(handler); }
    // The handler may free this timer from inside the tick, so it runs a copy.
    void Fire() {
        std::function<void()> handler = on_timer_;
        if (handler)
            handler();
    }

  private:
    std::function<void()> on_timer_;
};

// What a style handler does to its popup window.
class AlertAnimationTarget {
  public:
    virtual ~AlertAnimationTarget() = default;
    virtual void ShowPopup() = 0;
    virtual void ClosePopup() = 0;
    virtual void SetAlpha(uint8_t alpha) = 0;
    // The window region becomes this rectangle (client coordinates) and the window is redrawn.
    virtual void SetRegionRect(const AlertRect& rect) = 0;
    virtual int32_t PopupWidth() const = 0;
    virtual int32_t PopupHeight() const = 0;
};

class TCustomDesktopAlertStyleHandler {
  public:
    enum class Step { None, Opening, Display, Closing };

    TCustomDesktopAlertStyleHandler(AlertAnimationTarget& popup, std::unique_ptr<AlertTimer> timer);
    virtual ~TCustomDesktopAlertStyleHandler();
    TCustomDesktopAlertStyleHandler(const TCustomDesktopAlertStyleHandler&) = delete;
    TCustomDesktopAlertStyleHandler& operator=(const TCustomDesktopAlertStyleHandler&) = delete;

    virtual TAlertStyle Style() const = 0;

    uint32_t StartInterval() const { return start_interval_; }
    uint32_t StartSteps() const { return start_steps_; }
    uint32_t EndInterval() const { return end_interval_; }
    uint32_t EndSteps() const { return end_steps_; }
    uint32_t DisplayDuration() const { return display_duration_; }
    uint32_t StepCount() const { return step_count_; }
    virtual void SetEndInterval(uint32_t ms) { end_interval_ = ms; }
    virtual void SetEndSteps(uint32_t steps) { end_steps_ = steps == 0 ? 1 : steps; }
    virtual void SetStartInterval(uint32_t ms) { start_interval_ = ms; }
    virtual void SetStartSteps(uint32_t steps) { start_steps_ = steps == 0 ? 1 : steps; }
    void SetDisplayDuration(uint32_t ms) { display_duration_ = ms; }

    void BeginOpening();
    void BeginClosing();
    void BeginDisplay();
    virtual void StopAnimation();

    bool TimerRunning() const { return timer_->Running(); }
    // Which step the next timer tick runs.
    Step PendingStep() const { return step_; }

  protected:
    virtual void OpeningStep();
    virtual void ClosingStep();
    virtual void DisplayStep();
    virtual void PrepareOpening();
    virtual void OpeningDone() = 0;
    virtual void PrepareClosing() = 0;
    virtual void ClosingDone();

    AlertAnimationTarget& Popup() { return popup_; }
    // Closing the popup runs caller code that may free this handler; styles check this after
    // calling the base ClosingStep before they touch their own state again.
    std::weak_ptr<bool> AliveToken() const { return alive_; }

  private:
    void TimerFired();
    void Arm(Step step, uint32_t interval);

    AlertAnimationTarget& popup_;
    std::unique_ptr<AlertTimer> timer_;
    std::shared_ptr<bool> alive_;
    Step step_ = Step::None;
    uint32_t start_interval_ = 25;
    uint32_t start_steps_ = 10;
    uint32_t end_interval_ = 50;
    uint32_t end_steps_ = 10;
    uint32_t display_duration_ = 1400;
    uint32_t step_count_ = 0;
    uint32_t interval_ = 0;
};

// Both styles move one look between an empty and a full end in equal steps; they differ only
// in what the look is (an alpha, a region), so the step order lives here once.
class SteppedLookStyleHandler : public TCustomDesktopAlertStyleHandler {
  public:
    using TCustomDesktopAlertStyleHandler::TCustomDesktopAlertStyleHandler;
    void StopAnimation() override;

  protected:
    virtual void ApplyEmptyLook() = 0;
    virtual void ApplyFullLook() = 0;
    // The look after `step` of `steps`, counted from the empty end when opening and from the
    // full end when closing.
    virtual void ApplyStepLook(uint32_t step, uint32_t steps, bool closing) = 0;

    void OpeningStep() override;
    void ClosingStep() override;
    void PrepareOpening() override;
    void OpeningDone() override;
    void PrepareClosing() override;
    void ClosingDone() override;
};

class TFadeAlertStyleHandler : public SteppedLookStyleHandler {
  public:
    using SteppedLookStyleHandler::SteppedLookStyleHandler;
    TAlertStyle Style() const override { return asFade; }

    uint8_t MinAlphaBlendValue() const { return min_alpha_; }
    uint8_t MaxAlphaBlendValue() const { return max_alpha_; }
    void SetMinAlphaBlendValue(uint8_t v) { min_alpha_ = v; }
    void SetMaxAlphaBlendValue(uint8_t v) { max_alpha_ = v; }

  protected:
    void ApplyEmptyLook() override;
    void ApplyFullLook() override;
    void ApplyStepLook(uint32_t step, uint32_t steps, bool closing) override;

  private:
    uint8_t min_alpha_ = 0;
    uint8_t max_alpha_ = 255;
};

class TCenterGrowAlertStyleHandler : public SteppedLookStyleHandler {
  public:
    using SteppedLookStyleHandler::SteppedLookStyleHandler;
    TAlertStyle Style() const override { return asCenterGrow; }

    double MinGrowthPercentage() const { return min_growth_; }
    double MaxGrowthPercentage() const { return max_growth_; }
    // Both clamp into 0..100; below 0 or not a number gives 0.
    void SetMinGrowthPercentage(double p);
    void SetMaxGrowthPercentage(double p);

  protected:
    void ApplyEmptyLook() override;
    void ApplyFullLook() override;
    void ApplyStepLook(uint32_t step, uint32_t steps, bool closing) override;

  private:
    void ApplyPercentage(double p);

    double min_growth_ = 0.0;
    double max_growth_ = 100.0;
};

// The region a centre-grown popup of w x h shows at p percent.
AlertRect CenterGrowRect(int32_t w, int32_t h, double percent);

// Rounds to the nearest integer, halves to the even neighbour, whatever the FPU mode.
int64_t RoundHalfEven(double v);

using AlertTimerFactory = std::function<std::unique_ptr<AlertTimer>()>;

// Creates the handler for a style value; throws AppError with an empty text for values
// outside the two styles, creating nothing.
std::unique_ptr<TCustomDesktopAlertStyleHandler> CreateAlertStyleHandler(
    int32_t style,
    AlertAnimationTarget& popup,
    const AlertTimerFactory& make_timer);

}  // namespace core
