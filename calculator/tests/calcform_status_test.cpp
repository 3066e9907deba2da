// The status line under the tape, on a clock that stands where the test puts
// it, with the countdown read from a tools window on the same clock.
#include "calculator/tests/calcform_fixture.h"
#include "classlib/daynumber.h"
#include "classlib/tests/fixedclock.h"
#include "classlib/tests/realinput.h"
#include "windows/tests/toolstable.h"
#include "windows/toolsform.h"

namespace {

// A tools window in the calculator's folder, as the program makes it.
std::unique_ptr<Tf_tools> ToolsWindowOf(TCalcForm& form, const TClock& clock)
{
    auto tools = std::make_unique<Tf_tools>(form.folder(), clock);
    f_tools = tools.get();
    return tools;
}

// The countdown's moment: gaokao's date and Time4's time.
void SetCountdown(Tf_tools& tools, const TToolsMoment& at)
{
    tools.gaokao->SetDate(EncodeDayNumber(at.year, at.month, at.day));
    tools.Time4->SetTime(EncodeTime(at.hour, at.minute, at.second, 0));
}

std::string Tail(std::int64_t hours)
{
    return "  距高考:" + std::to_string(hours / 24) + " 天 " + std::to_string(hours % 24) + " 小时 ";
}

TEST_F(CalcShellTest, TheStatusLineShowsTheClocksDateWeekdayAndTime)
{
    TFixedClock clock(2026, 3, 5, 23, 59, 59);
    auto form = Start(FreshFolder("status"), clock);
    form->Timer1Timer(*form->Timer2);
    // No tools window: no countdown part, and no box.
    EXPECT_EQ(form->Label4->Text(), "2026-03-05 星期四 23:59:59");
    // The weekday is the one of the start; date and time follow the clock.
    clock.Set(2026, 3, 6, 0, 0, 1);
    form->Timer1Timer(*form->Timer2);
    EXPECT_EQ(form->Label4->Text(), "2026-03-06 星期四 00:00:01");
    EXPECT_EQ(DialogCount(), 0);
}

TEST_F(CalcShellTest, TheCountdownPartCountsWholeHoursToTheToolsWindowsMoment)
{
    TFixedClock clock(2026, 3, 5, 9, 0, 0);
    auto form = Start(FreshFolder("countdown"), clock);
    auto tools = ToolsWindowOf(*form, clock);
    SetCountdown(*tools, {2026, 3, 6, 12, 0, 0});
    form->Timer1Timer(*form->Timer2);
    EXPECT_EQ(form->Label4->Text(), "2026-03-05 星期四 09:00:00  距高考:1 天 3 小时 ");
    // Counts worked out by Python's datetime: the clock at d2, the target at d3.
    for (const TToolsSpanRow& row : kToolsSpans) {
        if (row.d2.year != 2026)
            continue;
        clock.Set(row.d2.year, row.d2.month, row.d2.day, row.d2.hour, row.d2.minute, row.d2.second);
        SetCountdown(*tools, row.d3);
        form->Timer1Timer(*form->Timer2);
        const std::string line = form->Label4->Text();
        EXPECT_TRUE(line.ends_with(Tail(std::stoll(row.hours)))) << line << " for " << row.hours << " hours";
    }
    // A target in the year 9999 shows its whole count; a blank name shows nothing.
    clock.Set(2026, 3, 5, 9, 0, 0);
    SetCountdown(*tools, {9999, 12, 31, 23, 59, 59});
    tools->Edit1->SetText("   ");
    form->Timer1Timer(*form->Timer2);
    EXPECT_TRUE(form->Label4->Text().ends_with("  距:2912379 天 15 小时 ")) << form->Label4->Text();
    EXPECT_EQ(DialogCount(), 0);
}

TEST_F(CalcShellTest, ASavedCountdownShowsAtTheNextTick)
{
    TFixedClock clock(2026, 3, 5, 9, 0, 0);
    auto form = Start(FreshFolder("saved"), clock);
    auto tools = ToolsWindowOf(*form, clock);
    const std::string name(300, '\xB8');
    SetCountdown(*tools, {2026, 3, 8, 9, 0, 0});
    tools->Edit1->SetText(name);
    SendMessageA(tools->Component<TControl>("Button7").Handle(), BM_CLICK, 0, 0);
    form->Timer1Timer(*form->Timer2);
    EXPECT_TRUE(form->Label4->Text().ends_with("  距" + name + ":3 天 0 小时 ")) << form->Label4->Text();
    // The window goes: the line goes on without its countdown.
    tools.reset();
    form->Timer1Timer(*form->Timer2);
    EXPECT_EQ(form->Label4->Text(), "2026-03-05 星期四 09:00:00");
    EXPECT_EQ(DialogCount(), 0);
}

TEST_F(CalcShellTest, ATickWhileTheCountdownTimeIsBeingTypedReadsWhatIsTyped)
{
    TFixedClock clock(2026, 3, 5, 9, 0, 0);
    auto form = Start(FreshFolder("typing"), clock);
    auto tools = ToolsWindowOf(*form, clock);
    SetCountdown(*tools, {2026, 3, 6, 0, 0, 0});
    tools->Show();
    SetForegroundWindow(tools->Handle());
    tools->PageControl1->SetActivePageIndex(1);
    tools->Time4->SetFocus();
    ASSERT_TRUE(PumpInput([&] { return IsChild(tools->Time4->Handle(), GetFocus()) || GetFocus() == tools->Time4->Handle(); }))
        << DescribeInputTarget();
    form->Timer1Timer(*form->Timer2);
    EXPECT_TRUE(form->Label4->Text().ends_with(":0 天 15 小时 ")) << form->Label4->Text();
    // The hour typed and nothing else: the editor has not taken it as its value yet.
    TypeKeys(L"12");
    ASSERT_TRUE(PumpInput([&] { return tools->Time4->Text().starts_with("12"); })) << tools->Time4->Text();
    form->Timer1Timer(*form->Timer2);
    EXPECT_TRUE(form->Label4->Text().ends_with(":1 天 3 小时 ")) << form->Label4->Text();
    EXPECT_EQ(DialogCount(), 0);
}

} // namespace
