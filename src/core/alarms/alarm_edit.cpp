#include "core/alarms/alarm_edit.h"

#include <cmath>

namespace core {

namespace {
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }
}  // namespace

TDateTime ReplaceDatePart(TDateTime value, TDateTime date) {
    return ComposeDateTime(Finite(date), Finite(value));
}

TDateTime ReplaceTimePart(TDateTime value, TDateTime time) {
    return ComposeDateTime(Finite(value), Finite(time));
}

std::string ToCrLfLines(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

void AlarmToFields(const TAlarmRecord& record, AlarmEditFields& fields) {
    const uint8_t type = record.AlarmType();
    fields.type = type < kAlarmTypeCount ? type : -1;
    fields.title = record.Title();
    fields.toDo = ToCrLfLines(record.ToDoText());
    fields.time = ReplaceTimePart(fields.time, record.AlarmTime());
    switch (type) {
        case atOnce:
            fields.onceDate = ReplaceDatePart(fields.onceDate, record.AlarmDate());
            break;
        case atEveryWeek: {
            const uint16_t day = record.WeekDay();
            fields.weekDay = day < kWeekDayCount ? day : -1;
            break;
        }
        case atEveryMonth:
            fields.monthDate = ReplaceDatePart(fields.monthDate, record.AlarmDate());
            break;
        case atEveryYear:
            fields.yearDate = ReplaceDatePart(fields.yearDate, record.AlarmDate());
            break;
        default:
            break;
    }
}

void FieldsToAlarm(const AlarmEditFields& fields, TAlarmRecord& record) {
    record.SetTitle(fields.title);
    record.SetToDoText(ToCrLfLines(fields.toDo));
    record.SetAlarmTime(fields.time);
    // An unknown stored type shows no selection; saving must not turn it into type 255 or 0.
    if (fields.type < 0 || fields.type >= kAlarmTypeCount) return;
    record.SetAlarmType(static_cast<uint8_t>(fields.type));
    switch (fields.type) {
        case atOnce:
            record.SetAlarmDate(fields.onceDate);
            break;
        case atEveryWeek:
            record.SetWeekDay(fields.weekDay >= 0 && fields.weekDay < kWeekDayCount
                                  ? static_cast<uint16_t>(fields.weekDay)
                                  : kNoWeekDay);
            break;
        case atEveryMonth:
            record.SetAlarmDate(fields.monthDate);
            break;
        case atEveryYear:
            record.SetAlarmDate(fields.yearDate);
            break;
        default:
            break;
    }
}

AlarmRowTexts AlarmRow(const TAlarmRecord& record, const TimeFormatSettings& format) {
    return AlarmRowTexts{record.Title(), FormatLongTime(record.AlarmTime(), format),
                         record.ToDoText()};
}

}  // namespace core
