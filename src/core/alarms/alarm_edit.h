#pragma once
// The alarm editor's values apart from its windows: what the controls show for a record, how
// their values go back into it, and the alarm list's row texts. Fields a type does not use are
// never written, so an edit keeps their stored bytes.
#include <string>

#include "core/alarms/alarm_record.h"
#include "core/app/time_format.h"
#include "core/common/date_time.h"

namespace core {

// The editor's controls as values. -1 means "nothing selected" in the two lists.
struct AlarmEditFields {
    int type = atOnce;
    std::string title = "Alarm1";
    std::string toDo = "Don't forget......";
    TDateTime time = 0.5;  // the time picker (12:00:00)
    TDateTime onceDate = 0;
    TDateTime monthDate = 0;
    TDateTime yearDate = 0;
    int weekDay = -1;
};

constexpr int kAlarmTypeCount = 5;
constexpr int kWeekDayCount = 7;

// A picker value with only its day replaced by the day of `date` / only its time of day
// replaced by the time of `time` (negative values keep their time in the fraction's size).
TDateTime ReplaceDatePart(TDateTime value, TDateTime date);
TDateTime ReplaceTimePart(TDateTime value, TDateTime time);

// Every line break (CR LF, lone CR, lone LF) as CR LF, as a multi-line edit holds it.
std::string ToCrLfLines(const std::string& text);

// Loads `record` into `fields` (the pickers' other parts and the other types' pickers keep
// their values). A type above 4 selects no type; a week day above 6 selects no day.
void AlarmToFields(const TAlarmRecord& record, AlarmEditFields& fields);
// Writes the fields into `record`: title and to-do text (cut to their widths), time, type and
// the day field of the selected type. With no type selected the stored type and day fields are
// kept. A weekly alarm without a day gets kNoWeekDay.
void FieldsToAlarm(const AlarmEditFields& fields, TAlarmRecord& record);

// One row of the alarm list: title, time of day in the long time format, to-do text.
struct AlarmRowTexts {
    std::string caption;
    std::string time;
    std::string toDo;
};
AlarmRowTexts AlarmRow(const TAlarmRecord& record, const TimeFormatSettings& format);

}  // namespace core
