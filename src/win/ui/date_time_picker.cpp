#include "win/ui/date_time_picker.h"

#include <commctrl.h>

#include "core/alarms/alarm_edit.h"

namespace ui {

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TSystemControl(AOwner) {
    InitCommonControlClasses();
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::CreateParams(WindowParams& p) {
    DWORD style = kind_ == dtkTime       ? DTS_TIMEFORMAT
                  : dateFormat_ == dfLong ? DTS_LONGDATEFORMAT
                                          : DTS_SHORTDATEFORMAT;
    CreateSystemParams(p, DATETIMEPICK_CLASSA, style, WS_EX_CLIENTEDGE);
}

void TDateTimePicker::CreateHandle() {
    TSystemControl::CreateHandle();
    if (!format_.empty())
        ::SendMessageA(Handle(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format_.c_str()));
    PushValue();
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
    if (v == kind_) return;
    kind_ = v;
    RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
    if (v == dateFormat_) return;
    dateFormat_ = v;
    RecreateWnd();
}

void TDateTimePicker::SetFormat(const std::string& v) {
    if (v == format_) return;
    format_ = v;
    if (HandleAllocated())
        ::SendMessageA(Handle(), DTM_SETFORMATA, 0,
                       reinterpret_cast<LPARAM>(format_.empty() ? nullptr : format_.c_str()));
}

void TDateTimePicker::SetDateTime(core::TDateTime v) {
    value_ = v;
    PushValue();
}

void TDateTimePicker::SetDate(core::TDateTime date) {
    SetDateTime(core::ReplaceDatePart(value_, date));
}

void TDateTimePicker::SetTime(core::TDateTime time) {
    SetDateTime(core::ReplaceTimePart(value_, time));
}

void TDateTimePicker::PushValue() {
    if (!HandleAllocated()) return;
    int y, mo, d, h, mi, s, ms;
    core::DecodeTime(value_, h, mi, s, ms);
    if (!core::TryDecodeDate(value_, y, mo, d) || y < 1601) {
        // The system control shows no day before 1601 (a time picker's value usually has day
        // 0): a time picker borrows a day it does not show; a date picker keeps its last date
        // on screen while the value itself stays as it is.
        if (kind_ != dtkTime) return;
        y = 2000;
        mo = d = 1;
    }
    SYSTEMTIME st{};
    st.wYear = WORD(y);
    st.wMonth = WORD(mo);
    st.wDay = WORD(d);
        st.wHour = WORD(h);
    st.wMinute = WORD(mi);
    st.wSecond = WORD(s);
    st.wMilliseconds = WORD(ms);
    pushing_ = true;
    ::SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    pushing_ = false;
}

void TDateTimePicker::TakeValue(const SYSTEMTIME& st) {
    core::TDateTime part;
    if (kind_ == dtkTime) {
        if (!core::TryEncodeTime(st.wHour, st.wMinute, st.wSecond, 0, part)) return;
        value_ = core::ReplaceTimePart(value_, part);
    } else {
        if (!core::TryEncodeDate(st.wYear, st.wMonth, st.wDay, part)) return;
        value_ = core::ReplaceDatePart(value_, part);
    }
}

LRESULT TDateTimePicker::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (hdr->code == DTN_DATETIMECHANGE && !pushing_) {
            auto* change = reinterpret_cast<NMDATETIMECHANGE*>(lParam);
            if (change->dwFlags == GDT_VALID) {
                TakeValue(change->st);
                if (OnChange) OnChange(this);
            }
            return 0;
        }
    }
    return TSystemControl::WndProc(msg, wParam, lParam);
}

}  // namespace ui
