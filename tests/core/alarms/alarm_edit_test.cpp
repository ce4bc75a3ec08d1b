// The editor's record <-> field rules and the list's row texts.
#include "core/alarms/alarm_edit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace core;

TAlarmRecord Filled(uint8_t type) {
    TAlarmRecord r;
    for (size_t i = 0; i < TAlarmRecord::kSize; ++i) r.data()[i] = static_cast<uint8_t>(i * 7 + 1);
    r.SetAlarmType(type);
    r.SetAlarmTime(EncodeTime(7, 30, 0, 0) + 100);
    r.SetAlarmDate(EncodeDate(2026, 3, 15) + 0.25);
    r.SetWeekDay(3);
    r.SetTitle("Standup");
    r.SetToDoText("line1\r\nline2");
    return r;
}

TEST(AlarmEditPartsTest, DateAndTimeReplaceOnlyTheirOwnPart) {
    const double value = EncodeDate(2020, 1, 2) + EncodeTime(13, 45, 0, 0);
    EXPECT_DOUBLE_EQ(ReplaceDatePart(value, EncodeDate(2026, 5, 1) + 0.9),
                     EncodeDate(2026, 5, 1) + EncodeTime(13, 45, 0, 0));
    EXPECT_DOUBLE_EQ(ReplaceTimePart(value, 5 + EncodeTime(6, 0, 0, 0)),
                     EncodeDate(2020, 1, 2) + 0.25);
    // Before 1899-12-30 the time lives in the fraction's size.
    EXPECT_DOUBLE_EQ(ReplaceTimePart(-3.5, 0.25), -3.25);
    // Garbage from a file becomes day 0 / midnight rather than NaN in a picker.
    EXPECT_DOUBLE_EQ(ReplaceDatePart(0.5, std::nan("")), 0.5);
    EXPECT_DOUBLE_EQ(ReplaceTimePart(10.5, INFINITY), 10.0);
}

TEST(AlarmEditPartsTest, LineBreaksBecomeCrLf) {
    EXPECT_EQ(ToCrLfLines("a\nb\r\nc\rd\n\n"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(ToCrLfLines("\r\n\r"), "\r\n\r\n");
    EXPECT_EQ(ToCrLfLines(""), "");
}

TEST(AlarmEditTransferTest, NewAlarmWithDefaultsIsOnceAlarm1WithTheOnceDate) {
    AlarmEditFields f;
    f.onceDate = EncodeDate(2026, 12, 8);
    TAlarmRecord r;
    FieldsToAlarm(f, r);
    EXPECT_EQ(r.AlarmType(), atOnce);
    EXPECT_EQ(r.Title(), "Alarm1");
    EXPECT_EQ(r.ToDoText(), "Don't forget......");
    EXPECT_DOUBLE_EQ(r.AlarmTime(), 0.5);
    EXPECT_DOUBLE_EQ(r.AlarmDate(), EncodeDate(2026, 12, 8));
    EXPECT_EQ(r.WeekDay(), 0);
    EXPECT_EQ(r.data()[TAlarmRecord::kSize - 1], 0);
}

TEST(AlarmEditTransferTest, EachTypeWritesOnlyItsOwnDayField) {
    for (int type = 0; type < kAlarmTypeCount; ++type) {
        const TAlarmRecord before = Filled(static_cast<uint8_t>(type == 0 ? 1 : 0));
        TAlarmRecord r = before;
        AlarmEditFields f;
        f.type = type;
        f.onceDate = 1000;
        f.monthDate = 2000;
        f.yearDate = 3000;
        f.weekDay = 5;
        FieldsToAlarm(f, r);
        EXPECT_EQ(r.AlarmType(), type);
        const double wantDate = type == 0 ? 1000 : type == 3 ? 2000 : type == 4 ? 3000
                                                                               : before.AlarmDate();
        EXPECT_DOUBLE_EQ(r.AlarmDate(), wantDate) << type;
        EXPECT_EQ(r.WeekDay(), type == 2 ? 5 : 3) << type;
        // Padding and the bytes behind the texts' terminators stay.
        for (size_t i = TAlarmRecord::kToDoOffset + 20; i < TAlarmRecord::kSize; ++i)
            ASSERT_EQ(r.data()[i], before.data()[i]) << "type " << type << " byte " << i;
    }
}

TEST(AlarmEditTransferTest, WeeklyWithoutDayIsStoredAsNoWeekDay) {
    AlarmEditFields f;
    f.type = atEveryWeek;
    f.weekDay = -1;
    TAlarmRecord r;
    FieldsToAlarm(f, r);
    EXPECT_EQ(r.WeekDay(), kNoWeekDay);
}

TEST(AlarmEditTransferTest, LongTextsAreCutAndLinesStoredAsCrLf) {
    AlarmEditFields f;
    f.title = std::string(70, 'T');
    f.toDo = "a\nb" + std::string(300, 'x');
    TAlarmRecord r;
    FieldsToAlarm(f, r);
    EXPECT_EQ(r.Title(), std::string(64, 'T'));
    EXPECT_EQ(r.ToDoText().size(), 256u);
    EXPECT_EQ(r.ToDoText().substr(0, 4), "a\r\nb");
}

TEST(AlarmEditTransferTest, LoadingSelectsTypeAndDayAndKeepsOtherPickers) {
    AlarmEditFields f;
    f.onceDate = 500.75;
    f.yearDate = 600.5;
    f.time = 42.0;
    AlarmToFields(Filled(atEveryMonth), f);
    EXPECT_EQ(f.type, atEveryMonth);
    EXPECT_EQ(f.title, "Standup");
    EXPECT_EQ(f.toDo, "line1\r\nline2");
    EXPECT_DOUBLE_EQ(f.time, 42.0 + EncodeTime(7, 30, 0, 0));
    EXPECT_DOUBLE_EQ(f.monthDate, EncodeDate(2026, 3, 15));
    EXPECT_DOUBLE_EQ(f.onceDate, 500.75);
    EXPECT_DOUBLE_EQ(f.yearDate, 600.5);
    EXPECT_EQ(f.weekDay, -1);

    AlarmToFields(Filled(atEveryWeek), f);
    EXPECT_EQ(f.weekDay, 3);
}

TEST(AlarmEditTransferTest, BadStoredValuesSelectNothingAndSurviveASave) {
    TAlarmRecord bad = Filled(9);
    bad.SetWeekDay(40);
    std::fill(bad.data() + TAlarmRecord::kTitleOffset,
              bad.data() + TAlarmRecord::kTitleOffset + TAlarmRecord::kTitleWidth, 0xE9);
    AlarmEditFields f;
    AlarmToFields(bad, f);
    EXPECT_EQ(f.type, -1);
    EXPECT_EQ(f.title, std::string(64, '\xE9'));
    TAlarmRecord saved = bad;
    FieldsToAlarm(f, saved);
    // Nothing the editor did not change is rewritten; the time keeps its time of day (its
    // day is the picker's, which carries no meaning).
    for (size_t i = 0; i < TAlarmRecord::kSize; ++i)
        if (i < TAlarmRecord::kTimeOffset || i >= TAlarmRecord::kTimeOffset + 8)
            ASSERT_EQ(saved.data()[i], bad.data()[i]) << i;
    EXPECT_NEAR(saved.AlarmTime() - std::trunc(saved.AlarmTime()), EncodeTime(7, 30, 0, 0), 1e-9);

    TAlarmRecord week = Filled(atEveryWeek);
    week.SetWeekDay(7);
    AlarmToFields(week, f);
    EXPECT_EQ(f.weekDay, -1);
}

TEST(AlarmRowTest, TimeColumnShowsOnlyTheTimeOfDay) {
    TAlarmRecord r = Filled(atEveryWeek);
    TimeFormatSettings fmt;
    AlarmRowTexts row = AlarmRow(r, fmt);
    EXPECT_EQ(row.caption, "Standup");
    EXPECT_EQ(row.time, "7:30:00");
    EXPECT_EQ(row.toDo, "line1\r\nline2");
    fmt.twelveHour = true;
    fmt.leadingZero = true;
    r.SetAlarmTime(EncodeTime(19, 5, 9, 0));
    EXPECT_EQ(AlarmRow(r, fmt).time, "07:05:09 PM");
}

}  // namespace
