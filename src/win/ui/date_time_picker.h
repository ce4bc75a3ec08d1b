#pragma once
// Date or time picker holding one date-time value. Setting the date changes only the whole
// part, setting the time only the fraction; the user's changes do the same for the part the
// picker shows, so the other part keeps whatever it held.
#include <string>

#include "core/common/date_time.h"
#include "win/ui/std_controls.h"

namespace ui {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TSystemControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    std::string ClassName() const override { return "TDateTimePicker"; }

    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind v);
    TDTDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDTDateFormat v);
    // A display picture such as "dd"; empty uses the kind's and date format's own.
    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& v);

    core::TDateTime DateTime() const { return value_; }
    void SetDateTime(core::TDateTime v);
    core::TDateTime Date() const { return value_; }
    void SetDate(core::TDateTime date);
    core::TDateTime Time() const { return value_; }
    void SetTime(core::TDateTime time);

    TNotifyEvent OnChange;

protected:
    void CreateParams(WindowParams& p) override;
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void PushValue();
    void TakeValue(const SYSTEMTIME& st);
    TDateTimeKind kind_ = dtkDate;
    TDTDateFormat dateFormat_ = dfShort;
    std::string format_;
    core::TDateTime value_ = 0;
    bool pushing_ = false;
};

}  // namespace ui
