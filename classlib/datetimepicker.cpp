#include "classlib/datetimepicker.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "classlib/daynumber.h"
#include "classlib/exceptions.h"
#include "classlib/handlercall.h"

const int TDateTimePicker::MinDay = EncodeDayNumber(1752, 9, 14);
const int TDateTimePicker::MaxDay = EncodeDayNumber(9999, 12, 31);

namespace {

// yyyy-mm-dd, or the day number itself outside the years 1 to 9999.
std::string DayText(int dayNumber)
{
    if (dayNumber < EncodeDayNumber(MinDateYear, 1, 1) || dayNumber > EncodeDayNumber(MaxDateYear, 12, 31))
        return "number " + std::to_string(dayNumber);
    const CalendarDate d = DecodeDayNumber(dayNumber);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

int DayOf(const SYSTEMTIME& time)
{
    return EncodeDayNumber(time.wYear, time.wMonth, time.wDay);
}

int Today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DayOf(now);
}

// "yyyy-mm-dd" as form text writes a date.
int ParseFormDate(const std::string& text)
{
    int year = 0, month = 0, day = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3 || year < MinDateYear ||
        year > MaxDateYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw EConvertError("'" + text + "' is not a valid date");
    return EncodeDayNumber(year, month, day);
}

// Wine's picker selects no field when it takes the focus, so typed digits
// would be dropped; Windows' selects the first.
bool RunningUnderWine()
{
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version");
    }();
    return wine;
}

} // namespace

TDateTimePicker::TDateTimePicker()
{
    SetTabStop(true);
    SetColor(clWindow);
}

TCreateParams TDateTimePicker::CreateParams() const
{
    return {DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT, 0};
}

int TDateTimePicker::Date() const
{
    SYSTEMTIME time{};
    if (HandleAllocated() && SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) == GDT_VALID)
        return DayOf(time);
    return date_ ? *date_ : Today();
}

void TDateTimePicker::SetDate(int dayNumber)
{
    // The picker itself answers TRUE to such a date and keeps the old one.
    if (dayNumber < MinDay || dayNumber > MaxDay)
        throw EConvertError("Date " + DayText(dayNumber) + " is outside the dates a date picker holds, " +
                            DayText(MinDay) + " to " + DayText(MaxDay));
    date_ = dayNumber;
    if (!HandleAllocated())
        return;
    const CalendarDate d = DecodeDayNumber(dayNumber);
    // At midnight: Wine's picker holds 9999-12-31 only at 00:00.
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(d.year);
    time.wMonth = static_cast<WORD>(d.month);
    time.wDay = static_cast<WORD>(d.day);
    SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void TDateTimePicker::HandleCreated()
{
    TControl::HandleCreated();
    if (date_)
        SetDate(*date_);
}

const TMessageMap& TDateTimePicker::Messages() const
{
    static const TMessageMap map(TControl::Messages(),
                                 {{WM_SETFOCUS, &TDateTimePicker::WMSetFocus}, {CN_NOTIFY, &TDateTimePicker::CNNotify}});
    return map;
}

void TDateTimePicker::WMSetFocus(TMessage& m)
{
    const TLiveness alive = Liveness();
    TControl::Messages().Dispatch(*this, m);
    // Right selects the first field when none is.
    if (alive && HandleAllocated() && GetFocus() == Handle() && RunningUnderWine()) {
        TMessage right{WM_KEYDOWN, VK_RIGHT, 0, 0};
        DefaultHandler(right);
    }
}

void TDateTimePicker::CNNotify(TMessage& m)
{
    if (reinterpret_cast<const NMHDR*>(m.LParam)->code == static_cast<UINT>(DTN_DATETIMECHANGE)) {
        date_.reset();
        CallHandler(OnChange, *this);
    }
}

const TPropertyTable& TDateTimePicker::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TDateTimePicker>(TControl::Properties(), {
        {"Date", [](TDateTimePicker& p, const TPropertyValue& v) { p.SetDate(ParseFormDate(v.Text())); }},
    });
    return table;
}
