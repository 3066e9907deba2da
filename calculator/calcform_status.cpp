// The status line under the tape, every tick of Timer2.
#include "calculator/calcform.h"
#include "calculator/statusline.h"
#include "classlib/datetimetext.h"
#include "classlib/formatsettings.h"

void TCalcForm::Timer1Timer(TComponent&)
{
    // One reading: date and time never straddle midnight. The weekday is
    // the one taken at start-up.
    const SYSTEMTIME now = clock_.LocalTime();
    const std::string time = TimeToStr(SystemTimeToDateTime(now), FormatSettings());
    Label4->SetText(StatusLineText(now.wYear, now.wMonth, now.wDay, weekname, time, std::nullopt));
}
