#include "core/widgets/alert_style_handler.h"

#include <algorithm>
#include <cmath>

#include "core/common/errors.h"

namespace core {

bool IsAlertStyle(int32_t value) {
    return value == asFade || value == asCenterGrow;
}

TCustomDesktopAlertStyleHandler::TCustomDesktopAlertStyleHandler(AlertAnimationTarget& popup,
                                                                 std::unique_ptr<AlertTimer> timer)
    : popup_(popup), timer_(std::move(timer)), alive_(std::make_shared<bool>(true)) {
    timer_->Stop();
    timer_->SetOnTimer([this] { TimerFired(); });
}

TCustomDesktopAlertStyleHandler::~TCustomDesktopAlertStyleHandler() {
    timer_->Stop();
    timer_->SetOnTimer(nullptr);
}

void TCustomDesktopAlertStyleHandler::TimerFired() {
    switch (step_) {
        case Step::Opening:
            OpeningStep();
            break;
        case Step::Display:
            DisplayStep();
            break;
        case Step::Closing:
            ClosingStep();
            break;
        case Step::None:
            timer_->Stop();
            break;
    }
}

void TCustomDesktopAlertStyleHandler::Arm(Step step, uint32_t interval) {
    timer_->Stop();
    step_ = step;
    step_count_ = 0;
    interval_ = interval;
}

void TCustomDesktopAlertStyleHandler::BeginOpening() {
    if (start_steps_ == 0)
        return;
    Arm(Step::Opening, start_interval_);
    PrepareOpening();
    timer_->Start(interval_);
}

void TCustomDesktopAlertStyleHandler::OpeningStep() {
    ++step_count_;
    if (step_count_ >= start_steps_) {
        timer_->Stop();
        OpeningDone();
        BeginDisplay();
    }
}

void TCustomDesktopAlertStyleHandler::BeginDisplay() {
    if (display_duration_ == 0)
        return;
    Arm(Step::Display, display_duration_);
    timer_->Start(interval_);
}

void TCustomDesktopAlertStyleHandler::DisplayStep() {
    timer_->Stop();
}

void TCustomDesktopAlertStyleHandler::BeginClosing() {
    if (end_steps_ == 0)
        return;
    Arm(Step::Closing, end_interval_);
    PrepareClosing();
    timer_->Start(interval_);
}

void TCustomDesktopAlertStyleHandler::ClosingStep() {
    ++step_count_;
    if (step_count_ >= end_steps_) {
        timer_->Stop();
        ClosingDone();
    }
}

void TCustomDesktopAlertStyleHandler::StopAnimation() {
    timer_->Stop();
}

void TCustomDesktopAlertStyleHandler::PrepareOpening() {
    popup_.ShowPopup();
}

void TCustomDesktopAlertStyleHandler::ClosingDone() {
    popup_.ClosePopup();
}

// Shared step order of both styles -------------------------------------------------------------

void SteppedLookStyleHandler::StopAnimation() {
    TCustomDesktopAlertStyleHandler::StopAnimation();
    ApplyFullLook();
}

void SteppedLookStyleHandler::PrepareOpening() {
    ApplyEmptyLook();
    TCustomDesktopAlertStyleHandler::PrepareOpening();
}

void SteppedLookStyleHandler::OpeningStep() {
    ApplyStepLook(StepCount(), StartSteps(), false);
    TCustomDesktopAlertStyleHandler::OpeningStep();
}

void SteppedLookStyleHandler::OpeningDone() {
    ApplyFullLook();
}

void SteppedLookStyleHandler::PrepareClosing() {
    ApplyFullLook();
}

void SteppedLookStyleHandler::ClosingStep() {
    std::weak_ptr<bool> alive = AliveToken();
    TCustomDesktopAlertStyleHandler::ClosingStep();
    if (alive.expired())
        return;
    ApplyStepLook(StepCount(), EndSteps(), true);
}

void SteppedLookStyleHandler::ClosingDone() {
    ApplyEmptyLook();
    TCustomDesktopAlertStyleHandler::ClosingDone();
}

// Fade ----------------------------------------------------------------------------------------

void TFadeAlertStyleHandler::ApplyEmptyLook() {
    Popup().SetAlpha(min_alpha_);
}

void TFadeAlertStyleHandler::ApplyFullLook() {
    Popup().SetAlpha(max_alpha_);
}

void TFadeAlertStyleHandler::ApplyStepLook(uint32_t step, uint32_t steps, bool closing) {
    const int64_t lo = min_alpha_, hi = max_alpha_;
    // Truncating division toward zero, also when Min is above Max.
    int64_t delta = (hi - lo) * int64_t(step) / int64_t(steps);
    int64_t alpha = closing ? hi - delta : lo + delta;
    // Steps changed in mid-animation could carry the count past the end.
    Popup().SetAlpha(uint8_t(std::clamp<int64_t>(alpha, std::min(lo, hi), std::max(lo, hi))));
}

// Centre grow ---------------------------------------------------------------------------------

int64_t RoundHalfEven(double v) {
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5)
        return int64_t(f) + 1;
    if (diff < 0.5)
        return int64_t(f);
    int64_t i = int64_t(f);
    return (i % 2 == 0) ? i : i + 1;
}

AlertRect CenterGrowRect(int32_t w, int32_t h, double percent) {
    const int32_t gw = int32_t(RoundHalfEven(double(w) * percent / 100.0));
    const int32_t gh = int32_t(RoundHalfEven(double(h) * percent / 100.0));
    const int32_t left = (w - gw) / 2;
    const int32_t top = (h - gh) / 2;
    return AlertRect{left, top, left + gw, top + gh};
}

namespace {

double ClampPercentage(double p) {
    if (std::isnan(p) || p < 0.0)
        return 0.0;
    if (p > 100.0)
        return 100.0;
    return p;
}

}  // namespace

void TCenterGrowAlertStyleHandler::SetMinGrowthPercentage(double p) {
    min_growth_ = ClampPercentage(p);
}

void TCenterGrowAlertStyleHandler::SetMaxGrowthPercentage(double p) {
    max_growth_ = ClampPercentage(p);
}

void TCenterGrowAlertStyleHandler::ApplyPercentage(double p) {
    Popup().SetRegionRect(CenterGrowRect(Popup().PopupWidth(), Popup().PopupHeight(), p));
}

void TCenterGrowAlertStyleHandler::ApplyEmptyLook() {
    ApplyPercentage(min_growth_);
}

void TCenterGrowAlertStyleHandler::ApplyFullLook() {
    ApplyPercentage(max_growth_);
}

void TCenterGrowAlertStyleHandler::ApplyStepLook(uint32_t step, uint32_t steps, bool closing) {
    double delta = (max_growth_ - min_growth_) * double(step) / double(steps);
    double p = closing ? max_growth_ - delta : min_growth_ + delta;
    ApplyPercentage(
        std::clamp(p, std::min(min_growth_, max_growth_), std::max(min_growth_, max_growth_)));
}

std::unique_ptr<TCustomDesktopAlertStyleHandler> CreateAlertStyleHandler(
    int32_t style,
    AlertAnimationTarget& popup,
    const AlertTimerFactory& make_timer) {
    switch (style) {
        case asFade:
            return std::make_unique<TFadeAlertStyleHandler>(popup, make_timer());
        case asCenterGrow:
            return std::make_unique<TCenterGrowAlertStyleHandler>(popup, make_timer());
        default:
            throw AppError("");
    }
}

}  // namespace core
