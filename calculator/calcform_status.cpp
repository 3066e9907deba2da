// The status line under the tape, every tick of Timer2.
#include "calculator/calcform.h"
#include "calculator/statusline.h"
#include "classlib/datetimetext.h"
#include "classlib/formatsettings.h"
#include "windows/toolsform.h"

namespace {

// The countdown the tools window holds, read from its controls (no file);
// none without that window, or when reading it fails: the line goes on
// without it rather than raise at every tick.
std::optional<TStatusCountdown> ToolsCountdown(const SYSTEMTIME& now)
{
    if (!f_tools)
        return std::nullopt;
    try {
        const double at = LinearMoment(now.wYear, now.wMonth, now.wDay, (now.wHour * 60 + now.wMinute) * 60 + now.wSecond);
        const double target = MomentDays(PickedMoment(*f_tools->gaokao, *f_tools->Time4));
        return TStatusCountdown{f_tools->Edit1->Text(), CountdownHours(target, at)};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

void TCalcForm::Timer1Timer(TComponent&)
{
    // One reading: date and time never straddle midnight. The weekday is
    // the one taken at start-up.
    const SYSTEMTIME now = clock_.LocalTime();
    const std::string time = TimeToStr(SystemTimeToDateTime(now), FormatSettings());
    Label4->SetText(StatusLineText(now.wYear, now.wMonth, now.wDay, weekname, time, ToolsCountdown(now)));
}
