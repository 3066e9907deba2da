// The tools window on the desktop: rows typed into it through the input
// queue and read back as a user sees them, its settings in a folder of its
// own, its clock standing where the test puts it.
#include "windows/toolsform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/bitmap.h"
#include "classlib/canvas.h"
#include "classlib/clipboard.h"
#include "classlib/daynumber.h"
#include "classlib/shellopen.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/fixedclock.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testfiles.h"
#include "classlib/tests/testprocess.h"
#include "classlib/units.h"
#include "editors/controls/cxcontrolsunits.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"
#include "windows/accessoryclasses.h"
#include "windows/aboutform.h"
#include "windows/tests/toolstable.h"
#include "windows/tests/windows_fixture.h"
#include "windows/webbrowse.h"

namespace {

// Typed keys: '>' is the Right arrow, which takes a picker's field and
// moves to the next; '\r' is Enter.
void Type(const std::string& keys)
{
    std::wstring run;
    for (char c : keys) {
        if (c != '>') {
            run += static_cast<wchar_t>(static_cast<unsigned char>(c));
            continue;
        }
        TypeKeys(run);
        run.clear();
        TapKeyInput(VK_RIGHT);
    }
    TypeKeys(run);
}

std::string DateKeys(const TToolsMoment& m)
{
    return std::to_string(m.year) + ">" + std::to_string(m.month) + ">" + std::to_string(m.day);
}

std::string TimeKeys(const TToolsMoment& m)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", m.hour, m.minute, m.second);
    return text;
}

int Day(const TToolsMoment& m)
{
    return EncodeDayNumber(m.year, m.month, m.day);
}

// The picker refuses a date outside its range as each field is typed, so
// 1752 typed over March is refused: typing starts from the row's month and
// day in a leap year.
void TypedOver(TDateTimePicker& picker, const TToolsMoment& m)
{
    picker.SetDate(EncodeDayNumber(2000, m.month, m.day));
}

bool HasFocus(TControl& control)
{
    HWND focus = GetFocus();
    return focus && (focus == control.Handle() || IsChild(control.Handle(), focus));
}

bool FocusReaches(TControl& control)
{
    return PumpInput([&] { return HasFocus(control); });
}

// The text the control shows: a windowless label's is the one it draws.
std::string Shown(TControl& control)
{
    return control.Windowless() ? control.Text() : WindowTextOf(control.Handle());
}

// Whether an edit shows its whole text at once, without scrolling it.
bool ShowsWhole(TControl& edit)
{
    const std::string text = Shown(edit);
    RECT room{};
    SendMessageA(edit.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    HDC dc = GetDC(edit.Handle());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(edit.Handle(), WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(edit.Handle(), dc);
    return size.cx <= room.right - room.left;
}

class ToolsWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        MainStandIn();
        RegisterAccessoryClasses();
        units.push_back(std::make_unique<TUnitsStarted>(cxFoundationUnits()));
        units.push_back(std::make_unique<TUnitsStarted>(cxEditUnits()));
        units.push_back(std::make_unique<TUnitsStarted>(cxControlsUnits()));
    }
    static void TearDownTestSuite()
    {
        while (!units.empty())
            units.pop_back();
    }

    std::string Folder() const { return temp.Path() + "\\"; }
    void Settings(const std::string& text) const { WriteBytes(Folder() + "setinfo.ini", text); }
    std::string Setting(const std::string& section, const std::string& key) const
    {
        char value[512] = {};
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "(none)", value, sizeof value,
                                 (Folder() + "setinfo.ini").c_str());
        return value;
    }

    // A new window on the folder and the clock, shown in the foreground.
    std::unique_ptr<Tf_tools> Open(const std::string& folder = "")
    {
        auto form = std::make_unique<Tf_tools>(folder.empty() ? Folder() : folder, clock);
        form->Show();
        SetForegroundWindow(form->Handle());
        Application.ProcessMessages();
        return form;
    }

    // Enter on BitBtn1, as a user presses it, handled until done (told how
    // many boxes came meanwhile); the number of boxes it brought.
    int Compute(Tf_tools& form, const std::function<bool(int boxes)>& done)
    {
        auto& button = form.Component<TControl>("BitBtn1");
        button.SetFocus();
        EXPECT_TRUE(FocusReaches(button)) << DescribeInputTarget();
        const int before = boxes.Count();
        TapKeyInput(VK_RETURN);
        EXPECT_TRUE(PumpInput([&] { return done(boxes.Count() - before); })) << DescribeInputTarget();
        SettleInput();
        return boxes.Count() - before;
    }

    std::vector<std::string> Results(Tf_tools& form) const
    {
        return {Shown(*form.Edit2), Shown(*form.Edit6), Shown(*form.Edit7), Shown(*form.Edit8), Shown(*form.Edit9)};
    }

    static std::vector<std::unique_ptr<TUnitsStarted>> units;
    TTempFolder temp;
    TFixedClock clock{2026, 3, 5, 9, 0, 0};
    DialogWatcher boxes{[](HWND box) { DialogWatcher::Press(box, IDOK); }};
};

std::vector<std::unique_ptr<TUnitsStarted>> ToolsWindow::units;

TEST_F(ToolsWindow, SumsTypedFieldByFieldAsPythonWorksThemOut)
{
    auto form = Open();
    for (const TToolsSumRow& row : kToolsSums) {
        SCOPED_TRACE(DateKeys(row.start) + " " + TimeKeys(row.start) + " + " + row.days + "/" + row.hours + "/" +
                     row.minutes);
        form->Edit2->SetText("kept");
        TypedOver(*form->Date1, row.start);
        form->Date1->SetFocus();
        ASSERT_TRUE(FocusReaches(*form->Date1)) << DescribeInputTarget();
        const std::pair<std::string, TControl*> steps[] = {
            {DateKeys(row.start) + "\r", form->Time1}, {TimeKeys(row.start) + "\r", form->Edit3},
            {std::string(row.days) + "\r", form->Edit4}, {std::string(row.hours) + "\r", form->Edit5},
            {std::string(row.minutes) + "\r", &form->Component<TControl>("BitBtn1")}};
        for (const auto& [keys, next] : steps) {
            Type(keys);
            ASSERT_TRUE(FocusReaches(*next)) << keys << ": " << DescribeInputTarget();
        }
        EXPECT_EQ(form->Date1->Date(), Day(row.start));
        const int shownBoxes = Compute(*form, [&](int shown) {
            return row.result ? Shown(*form->Edit2) == row.result : shown > 0;
        });
        // Outside the years 1 to 9999: the conversion error, the result kept.
        EXPECT_EQ(shownBoxes, row.result ? 0 : 1);
        EXPECT_EQ(Shown(*form->Edit2), row.result ? row.result : "kept");
        EXPECT_TRUE(ShowsWhole(*form->Edit2));
    }
}

TEST_F(ToolsWindow, DifferencesTypedFieldByFieldAsPythonWorksThemOut)
{
    auto form = Open();
    for (const TToolsSpanRow& row : kToolsSpans) {
        SCOPED_TRACE(DateKeys(row.d2) + " " + TimeKeys(row.d2) + " against " + DateKeys(row.d3) + " " +
                     TimeKeys(row.d3));
        for (TEdit* result : {form->Edit6, form->Edit7, form->Edit8, form->Edit9})
            result->SetText("");
        TypedOver(*form->Date2, row.d2);
        TypedOver(*form->Date3, row.d3);
        form->Date2->SetFocus();
        ASSERT_TRUE(FocusReaches(*form->Date2)) << DescribeInputTarget();
        const std::pair<std::string, TControl*> steps[] = {{DateKeys(row.d2) + "\r", form->Time2},
                                                              {TimeKeys(row.d2) + "\r", form->Date3},
                                                              {DateKeys(row.d3) + "\r", form->Time3}};
        for (const auto& [keys, next] : steps) {
            Type(keys);
            ASSERT_TRUE(FocusReaches(*next)) << keys << ": " << DescribeInputTarget();
        }
        Type(TimeKeys(row.d3) + "\r");
        ASSERT_TRUE(PumpInput([&] { return !HasFocus(*form->Time3); })) << DescribeInputTarget();
        EXPECT_EQ(Compute(*form, [&](int) { return !Shown(*form->Edit9).empty(); }), 0);
        const std::vector<std::string> spans{Shown(*form->Edit6), Shown(*form->Edit7), Shown(*form->Edit8),
                                             Shown(*form->Edit9)};
        EXPECT_EQ(spans, (std::vector<std::string>{row.days, row.hours, row.minutes, row.seconds}));
    }
}

// Each group typed in one go, without waiting for the focus to move.
TEST_F(ToolsWindow, AQuickTypistsKeysAllLand)
{
    auto form = Open();
    const TToolsSumRow& sum = kToolsSums[3];
    form->Date1->SetFocus();
    ASSERT_TRUE(FocusReaches(*form->Date1)) << DescribeInputTarget();
    Type(DateKeys(sum.start) + "\r" + TimeKeys(sum.start) + "\r" + sum.days + "\r" + sum.hours + "\r" + sum.minutes +
         "\r\r");
    EXPECT_TRUE(PumpInput([&] { return Shown(*form->Edit2) == sum.result; })) << Shown(*form->Edit2);

    const TToolsSpanRow& span = kToolsSpans[2];
    form->Date2->SetFocus();
    ASSERT_TRUE(FocusReaches(*form->Date2)) << DescribeInputTarget();
    Type(DateKeys(span.d2) + "\r" + TimeKeys(span.d2) + "\r" + DateKeys(span.d3) + "\r" + TimeKeys(span.d3) + "\r");
    ASSERT_TRUE(PumpInput([&] { return !HasFocus(*form->Time3); })) << DescribeInputTarget();
    form->Edit9->SetText("");
    EXPECT_EQ(Compute(*form, [&](int) { return !Shown(*form->Edit9).empty(); }), 0);
    EXPECT_EQ(Shown(*form->Edit8), span.minutes);
    EXPECT_EQ(Shown(*form->Edit9), span.seconds);
}

TEST_F(ToolsWindow, OnlyMinusDigitsAndEnterReachTheBoxes)
{
    auto form = Open();
    Clipboard().SetAsText("999");
    for (TEdit* box : {form->Edit3, form->Edit4, form->Edit5}) {
        SCOPED_TRACE(box->Name());
        box->SetFocus();
        ASSERT_TRUE(FocusReaches(*box)) << DescribeInputTarget();
        // Letters, Backspace and Ctrl+V's character never arrive.
        Type("ab1\b-x");
        TapKeyInput('V', VK_CONTROL);
        Type("2");
        EXPECT_TRUE(PumpInput([&] { return Shown(*box) == "1-2"; })) << Shown(*box);
        SettleInput();
        EXPECT_EQ(Shown(*box), "1-2");
    }
    // Enter moves on, on every page.
    form->PageControl1->SetActivePageIndex(1);
    form->gaokao->SetFocus();
    ASSERT_TRUE(FocusReaches(*form->gaokao)) << DescribeInputTarget();
    for (TControl* next : {static_cast<TControl*>(form->Time4), static_cast<TControl*>(form->Edit1),
                           &form->Component<TControl>("Button7")}) {
        Type("\r");
        EXPECT_TRUE(FocusReaches(*next)) << next->Name() << ": " << DescribeInputTarget();
    }
}

TEST_F(ToolsWindow, BadBoxesShowTheConversionErrorAndKeepEveryResult)
{
    auto form = Open();
    const std::vector<std::string> before = Results(*form);
    ASSERT_EQ(before[0], "2026/3/6 08:59:00");
    const struct {
        TEdit* box;
        std::string text;
        bool pasted;
        std::string message;
    } cases[] = {
        {form->Edit3, "-", false, "'-' is not a valid integer value"},
        {form->Edit4, "1-2", false, "'1-2' is not a valid integer value"},
        {form->Edit5, "12345678901", false, "'12345678901' is not a valid integer value"},
        // Pasting passes the key filter.
        {form->Edit3, "abc", true, "'abc' is not a valid integer value"},
        // A result past 9999-12-31.
        {form->Edit3, "3000000", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        for (TEdit* box : {form->Edit3, form->Edit4, form->Edit5})
            box->SetText("0");
        if (c.pasted) {
            Clipboard().SetAsText(c.text);
            c.box->SetText("");
            SendMessageA(c.box->Handle(), WM_PASTE, 0, 0);
        } else {
            c.box->SetText(c.text);
        }
        ASSERT_EQ(Shown(*c.box), c.text);
        ASSERT_EQ(Compute(*form, [](int shown) { return shown > 0; }), 1);
        if (!c.message.empty()) {
            EXPECT_EQ(boxes.Messages().back(), c.message);
        }
        EXPECT_EQ(Results(*form), before);
    }
}

TEST_F(ToolsWindow, TheCountdownComesFromTheSettingsFile)
{
    const std::string longName = std::string(150, '\xB8') + std::string(150, '\xDF');
    const int today = EncodeDayNumber(2026, 3, 5);
    const struct {
        std::string settings;
        int day;
        std::string time;
        int seconds;
        std::string name;
    } cases[] = {
        // Without a date the description's values stay.
        {"", EncodeDayNumber(2008, 6, 7), "00:00:00", 0, "高考"},
        {"[gaokao]\r\ntime=10:00:00\r\nname=中考\r\n", EncodeDayNumber(2008, 6, 7), "00:00:00", 0, "高考"},
        // A time that does not convert is 08:00:00, with no box.
        {"[gaokao]\r\ndate=2026/6/7\r\ntime=25:99\r\n", EncodeDayNumber(2026, 6, 7), "08:00:00", 28800, "高考"},
        {"[gaokao]\r\ndate=2026/6/7\r\n", EncodeDayNumber(2026, 6, 7), "08:00:00", 28800, "高考"},
        // A date that does not convert, or that the picker refuses, is today.
        {"[gaokao]\r\ndate=abc\r\ntime=7:05\r\n", today, "07:05:00", 25500, "高考"},
        {"[gaokao]\r\ndate=1700/1/1\r\ntime=23:59:59\r\n", today, "23:59:59", 86399, "高考"},
        {"[gaokao]\r\ndate=2027/6/7\r\ntime=21:30:15\r\nname=" + longName + "\r\n", EncodeDayNumber(2027, 6, 7),
         "21:30:15", 77415, longName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings);
        Settings(c.settings);
        auto form = Open();
        EXPECT_EQ(form->gaokao->Date(), c.day);
        EXPECT_EQ(Shown(*form->Time4), c.time);
        EXPECT_EQ(SecondsOfDay(form->Time4->Time()), c.seconds);
        EXPECT_EQ(form->Edit1->Text(), c.name);
    }
    EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(ToolsWindow, SavedCountdownShowsAtOnceAndInTheNextWindow)
{
    const std::string name = std::string(300, '\xB8');
    {
        auto form = Open();
        form->PageControl1->SetActivePageIndex(1);
        form->gaokao->SetDate(EncodeDayNumber(2026, 3, 6));
        form->Time4->SetTime(EncodeTime(12, 0, 0, 0));
        form->Edit1->SetText(name);
        SendMessageA(form->Component<TControl>("Button7").Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(Shown(*form->Label12), "距" + name + ":1 天 3 小时 ");
        EXPECT_EQ(Shown(*form->Time3), "12:00:00");
        EXPECT_EQ(Shown(*form->Edit7), "27");
    }
    EXPECT_EQ(Setting("gaokao", "date"), "2026/3/6");
    EXPECT_EQ(Setting("gaokao", "time"), "12:00:00");
    auto again = Open();
    EXPECT_EQ(again->gaokao->Date(), EncodeDayNumber(2026, 3, 6));
    EXPECT_EQ(Shown(*again->Time4), "12:00:00");
    EXPECT_EQ(again->Time4->Time(), 0.5);
    EXPECT_EQ(again->Edit1->Text(), name);
    EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(ToolsWindow, ShowingResetsTheFieldsFromTheClockAndTheSettings)
{
    const struct {
        std::string calcform;
        int page;
        bool showdjs;
    } cases[] = {
        {"Page_index=2\r\nshowdjs=0\r\n", 2, false},
        {"Page_index=1\r\n", 1, true},
        {"Page_index=3\r\nshowdjs=7\r\n", 0, true},
        {"Page_index=-1\r\n", 0, true},
        {"", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.calcform);
        Settings("[gaokao]\r\ndate=2026/3/6\r\ntime=12:00:00\r\n[calcform]\r\n" + c.calcform);
        auto form = Open();
        EXPECT_EQ(form->PageControl1->ActivePageIndex(), c.page);
        EXPECT_EQ(form->chk_showdjs->Checked(), c.showdjs);
        EXPECT_EQ(form->Date1->Date(), EncodeDayNumber(2026, 3, 5));
        EXPECT_EQ(form->Date2->Date(), EncodeDayNumber(2026, 3, 5));
        EXPECT_EQ(form->Date3->Date(), EncodeDayNumber(2026, 3, 6));
        EXPECT_EQ(Shown(*form->Time1), "09:00:00");
        EXPECT_EQ(Shown(*form->Time2), "09:00:00");
        EXPECT_EQ(Shown(*form->Time3), "12:00:00");
        EXPECT_EQ(Results(*form), (std::vector<std::string>{"2026/3/6 08:59:00", "1", "27", "1620", "97200"}));
        EXPECT_EQ(Shown(*form->Label12), "距高考:1 天 3 小时 ");
    }
    // Showing again reads the clock again and the page, not the countdown.
    Settings("[calcform]\r\nPage_index=1\r\n");
    auto form = Open();
    form->PageControl1->SetActivePageIndex(2);
    form->Close();
    EXPECT_EQ(Setting("calcform", "Page_index"), "2");
    clock.Set(2026, 3, 7, 18, 30, 0);
    form->Edit3->SetText("abc");
    form->PageControl1->SetActivePageIndex(0);
    const int before = boxes.Count();
    form->Show();
    Application.ProcessMessages();
    // The failed compute is shown once, and the page is still set.
    EXPECT_EQ(boxes.Count() - before, 1);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 2);
    EXPECT_EQ(form->Date1->Date(), EncodeDayNumber(2026, 3, 7));
    EXPECT_EQ(Shown(*form->Time2), "18:30:00");
}

TEST_F(ToolsWindow, AFailedPageWriteIsShownAndTheWindowStillHides)
{
    auto form = Open(Folder() + "missing\\");
    form->Close();
    Application.ProcessMessages();
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_NE(boxes.Messages().back().find("Unable to write to"), std::string::npos);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(ToolsWindow, WebButtonsOpenTheirPagesWithoutBlocking)
{
    auto form = Open();
    const char* buttons[] = {"Button5", "Button4", "Button8", "Button2", "Button3", "Button6"};
    for (const char* name : buttons) {
        SCOPED_TRACE(name);
        SendMessageA(form->Component<TControl>(name).Handle(), BM_CLICK, 0, 0);
        ASSERT_NE(f_webbrowse, nullptr);
        EXPECT_TRUE(IsWindowVisible(f_webbrowse->Handle()));
        EXPECT_FALSE(IsWindowVisible(f_webbrowse->Edit1->Handle()));
        EXPECT_FALSE(f_webbrowse->Label1->Visible());
        EXPECT_TRUE(IsWindowEnabled(form->Handle()));
        f_webbrowse->Hide();
    }
    EXPECT_EQ(form->Component<TControl>("Button6").Text(), "软件下载");

    std::vector<std::string> opened;
    SetShellOpener([&](const std::string& target) { opened.push_back(target); });
    // The banner fills the panel at the foot.
    ClickInput(form->Component<TControl>("Panel1").Handle());
    EXPECT_TRUE(PumpInput([&] { return !opened.empty(); }));
    SetShellOpener(nullptr);
    EXPECT_EQ(opened, std::vector<std::string>{kHomePage});
}

TEST_F(ToolsWindow, TheWindowAndItsTabOrder)
{
    auto form = Open();
    EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ExpectSystemMenuOnlyCentred(form->Handle(), 444, 294);
    for (TEdit* result : {form->Edit2, form->Edit6, form->Edit7, form->Edit8, form->Edit9}) {
        EXPECT_TRUE(GetWindowLongA(result->Handle(), GWL_STYLE) & ES_READONLY) << result->Name();
        EXPECT_FALSE(GetWindowLongA(result->Handle(), GWL_STYLE) & WS_TABSTOP) << result->Name();
    }
    // Tab walks the first page in this order.
    form->Date1->SetFocus();
    ASSERT_TRUE(FocusReaches(*form->Date1));
    std::vector<std::string> walked{"Date1"};
    for (const char* next : {"Time1", "Edit3", "Edit4", "Edit5", "BitBtn1", "Date2", "Time2", "Date3", "Time3"}) {
        TapKeyInput(VK_TAB);
        auto& control = form->Component<TControl>(next);
        walked.push_back(FocusReaches(control) ? next : "not " + std::string(next));
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"Date1", "Time1", "Edit3", "Edit4", "Edit5", "BitBtn1", "Date2",
                                                "Time2", "Date3", "Time3"}));
}

// The time editors stand higher than their text: the rows under the text,
// down to the frame, show the editor's background on the screen.
TEST_F(ToolsWindow, TimeEditorsPaintTheirWholeHeight)
{
    auto form = Open();
    form->Edit3->SetFocus();
    ASSERT_TRUE(FocusReaches(*form->Edit3)) << DescribeInputTarget();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (TcxTimeEdit* time : {form->Time1, form->Time2, form->Time3}) {
        SCOPED_TRACE(time->Name());
        RedrawWindow(time->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Application.ProcessMessages();
        HWND inner = GetWindow(time->Handle(), GW_CHILD);
        ASSERT_NE(inner, nullptr);
        RECT editor{}, text{};
        GetWindowRect(time->Handle(), &editor);
        GetWindowRect(inner, &text);
        // The spin buttons stand over the inner window's right end.
        const TcxCustomEditViewInfo& view = time->ViewInfo();
        ASSERT_GT(view.ButtonCount(), 0);
        const int right = std::min<int>(text.right, editor.left + view.Button(0).Bounds.left);
        const int bottom = editor.top + view.ContentRect.bottom;
        ASSERT_LT(text.bottom, bottom) << "the text fills the editor: nothing to check below it";
        HDC screen = GetDC(nullptr);
        std::vector<std::string> wrong;
        for (int y = text.bottom; y < bottom; ++y)
            for (int x = text.left; x < right; ++x)
                if (GetPixel(screen, x, y) != window)
                    wrong.push_back(std::to_string(x - editor.left) + "," + std::to_string(y - editor.top));
        ReleaseDC(nullptr, screen);
        EXPECT_TRUE(wrong.empty()) << wrong.size() << " pixels, first at " << wrong.front();
    }
}

TEST_F(ToolsWindow, ScreenshotsOfThePages)
{
    auto form = Open();
    // Native labels and buttons on each page, deep in the page control.
    const std::vector<std::vector<const char*>> shown = {
        {"Label1", "Label2", "Label6", "Label9", "BitBtn1"},
        {"Label10", "Label11", "Button7"},
        {"Button5", "Button4", "Button6"},
    };
    std::vector<std::string> pages;
    for (int page = 0; page < 3; ++page) {
        form->PageControl1->SetActivePageIndex(page);
        Application.ProcessMessages();
        TBitmap shot;
        shot.SetSize(444, 294);
        form->PaintTo(shot.Canvas().Handle());
        // Each control's rectangle holds its caption's ink beside its background.
        for (const char* name : shown[static_cast<size_t>(page)]) {
            auto& control = form->Component<TControl>(name);
            POINT at = control.ClientOrigin();
            ScreenToClient(form->Handle(), &at);
            std::set<TColor> colours;
            for (int y = at.y; y < at.y + control.Height(); ++y)
                for (int x = at.x; x < at.x + control.Width(); ++x)
                    colours.insert(shot.Canvas().Pixels(x, y));
            EXPECT_GE(colours.size(), 2u) << "page " << page << ": " << name;
        }
        // GDI leaves the alpha byte 0, which viewers take as see-through: saved without it.
        shot.SetPixelFormat(TPixelFormat::pf24bit);
        std::string file = "tools_page";
        file.append(1, static_cast<char>('0' + page)).append(".bmp");
        shot.SaveToFile(file);
        pages.push_back(ReadBytes(file));
    }
    // Each page shows something of its own.
    EXPECT_TRUE(pages[0] != pages[1] && pages[1] != pages[2] && pages[0] != pages[2]);
}

} // namespace
