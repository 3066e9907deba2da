// The status line under the tape, on a clock that stands where the test puts it.
#include "calculator/tests/calcform_fixture.h"
#include "classlib/tests/fixedclock.h"

namespace {

TEST_F(CalcShellTest, TheStatusLineShowsTheClocksDateWeekdayAndTime)
{
    TFixedClock clock(2026, 3, 5, 23, 59, 59);
    auto form = Start(FreshFolder("status"), clock);
    form->Timer1Timer(*form->Timer2);
    // No tools window yet: no countdown part.
    EXPECT_EQ(form->Label4->Text(), "2026-03-05 星期四 23:59:59");
    // The weekday is the one of the start; date and time follow the clock.
    clock.Set(2026, 3, 6, 0, 0, 1);
    form->Timer1Timer(*form->Timer2);
    EXPECT_EQ(form->Label4->Text(), "2026-03-06 星期四 00:00:01");
}

} // namespace
