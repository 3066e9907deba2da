// setinfo.ini and temp.txt in a program folder of its own: what a window
// starts with, and what it leaves behind on the way out.
#include "calculator/tests/calcform_fixture.h"

namespace {

const std::string kPanels[] = {"Panel3", "Panel7", "Panel4", "Panel1", "GroupBox1", "GroupBox2",
                               "Label1", "Label2", "Label3"};

void WriteSettings(const std::string& folder, const std::string& lines)
{
    WriteBytes(folder + "setinfo.ini", "[calcform]\r\n" + lines);
}

bool OnTop(const TCalcForm& form)
{
    return (GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace

TEST_F(CalcShellTest, WithoutSettingsTheDescriptionHoldsAndNothingIsWritten)
{
    std::string folder = FreshFolder("nosettings");
    auto form = Start(folder);
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_FALSE(form->CheckBox5->Checked());
    EXPECT_FALSE(form->CheckBox5->Enabled());
    EXPECT_EQ(form->SpinEdit1->Value(), 2);
    EXPECT_EQ(form->SpinEdit3->Value(), 280);
    EXPECT_EQ(form->SpinEdit2->Value(), 16);
    EXPECT_EQ(form->Memo1->Font().Size(), 16);
    EXPECT_TRUE(form->CheckBox6->Checked());
    EXPECT_TRUE(form->Timer2->Enabled());
    EXPECT_FALSE(form->CheckBox1->Checked());
    EXPECT_FALSE(OnTop(*form));
    EXPECT_EQ(form->Memo1->Text(), "");
    EXPECT_EQ(ReadBytes(folder + "setinfo.ini"), "(missing)");
    EXPECT_TRUE(Messages().empty());
    SYSTEMTIME today;
    GetLocalTime(&today);
    EXPECT_EQ(weekname, WeekName(today.wDayOfWeek));
}

TEST_F(CalcShellTest, ATopOfZeroStopsReadingTheSection)
{
    std::string folder = FreshFolder("topzero");
    WriteSettings(folder, "iTop=0\r\nvoice=0\r\nnumber=7\r\n");
    auto form = Start(folder);
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_EQ(form->SpinEdit1->Value(), 2);
    EXPECT_EQ(SettingOf(folder, "number"), "7");
}

TEST_F(CalcShellTest, ATopAloneGivesEveryOtherKeyItsReadDefault)
{
    std::string folder = FreshFolder("toponly");
    WriteSettings(folder, "iTop=5\r\n");
    auto form = Start(folder);
    RECT r;
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.left, 0);
    EXPECT_TRUE(form->CheckBox1->Checked());
    EXPECT_TRUE(OnTop(*form));
    EXPECT_FALSE(form->CheckBox2->Checked());
    EXPECT_FALSE(form->CheckBox5->Enabled());
    EXPECT_EQ(form->ToolButton6->ImageIndex(), 1);
    EXPECT_TRUE(form->CheckBox5->Checked());
    EXPECT_FALSE(form->CheckBox4->Checked());
    EXPECT_FALSE(form->CheckBox3->Checked());
    EXPECT_TRUE(form->CheckBox6->Checked());
    EXPECT_TRUE(form->Panel1->Visible());
    EXPECT_EQ(form->SpinEdit1->Value(), 2);
    EXPECT_EQ(form->SpinEdit3->Value(), 280);
    EXPECT_EQ(form->Memo1->Font().Size(), 10);
    EXPECT_EQ(form->SpinEdit2->Value(), 10);
    EXPECT_EQ(form->Memo1->Color(), clTeal);
    EXPECT_EQ(form->Panel3->Color(), clMoneyGreen);
    EXPECT_EQ(SettingOf(folder, "number"), "2");
}

TEST_F(CalcShellTest, NumbersAreClampedByTheirSpinBoxAndNumberIsWrittenBack)
{
    struct Case {
        const char* lines;
        int number, rate, fontsize, spin2;
    } cases[] = {
        {"number=99\r\n", 15, 280, 10, 10},
        {"number=-3\r\nrate=1000\r\nfontsize=100\r\n", 0, 380, 80, 80},
        {"number=abc\r\nrate=x\r\nfontsize=12\r\n", 2, 280, 12, 12},
    };
    for (const auto& c : cases) {
        std::string folder = FreshFolder("clamp");
        WriteSettings(folder, std::string("iTop=40\r\n") + c.lines);
        auto form = Start(folder);
        EXPECT_EQ(form->SpinEdit1->Value(), c.number) << c.lines;
        EXPECT_EQ(SettingOf(folder, "number"), std::to_string(c.number)) << c.lines;
        EXPECT_EQ(form->SpinEdit3->Value(), c.rate) << c.lines;
        EXPECT_EQ(form->SpinEdit2->Value(), c.spin2) << c.lines;
        EXPECT_EQ(form->Memo1->Font().Size(), c.fontsize) << c.lines;
    }
}

TEST_F(CalcShellTest, SwitchesAndColoursAreRead)
{
    std::string folder = FreshFolder("switches");
    WriteSettings(folder, "iTop=40\r\niLeft=30\r\nontop=0\r\nvoice=1\r\nreadnum=0\r\ndaxie=1\r\nscrollBars=1\r\n"
                          "showdate=0\r\npanel1=0\r\nbackcolor=clRed\r\nmemocolor=$00FF8000\r\nfontcolor=clBlack\r\n");
    auto form = Start(folder);
    EXPECT_FALSE(OnTop(*form));
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_TRUE(form->CheckBox5->Enabled());
    EXPECT_EQ(form->ToolButton6->ImageIndex(), 0);
    EXPECT_FALSE(form->CheckBox5->Checked());
    EXPECT_TRUE(form->CheckBox4->Checked());
    LONG style = GetWindowLongA(form->Memo1->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
    EXPECT_FALSE(form->Timer2->Enabled());
    EXPECT_FALSE(form->Label4->Visible());
    EXPECT_FALSE(form->Panel1->Visible());
    for (const auto& name : kPanels)
        EXPECT_EQ(form->Component<TControl>(name).Color(), clRed) << name;
    EXPECT_EQ(form->Memo1->Color(), static_cast<TColor>(0x00FF8000));
    EXPECT_EQ(form->Memo1->Font().Color(), clBlack);
}

TEST_F(CalcShellTest, AMalformedColourIsReportedOnceAndTheRestStillLoads)
{
    std::string folder = FreshFolder("badcolour");
    WriteSettings(folder, "iTop=40\r\nnumber=99\r\nfontcolor=clRed\r\nmemocolor=$12G\r\nbackcolor=clBlue\r\n");
    WriteBytes(folder + "temp.txt", "1+2=3\r\n");
    auto form = Start(folder);
    EXPECT_EQ(Messages(), std::vector<std::string>{"'$12G' is not a valid integer value"});
    EXPECT_EQ(form->Memo1->Color(), clTeal);
    EXPECT_EQ(form->Memo1->Font().Color(), clRed);
    EXPECT_EQ(form->Panel3->Color(), clBlue);
    EXPECT_EQ(SettingOf(folder, "number"), "15");
    EXPECT_EQ(form->Memo1->Text(), "1+2=3\r\n");
    // The tape goes back to temp.txt on the way out.
    form->Memo1->SetText("4*5=20");
    ClickButton(*form, "SpeedButton45");
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(ReadBytes(folder + "temp.txt"), "4*5=20\r\n");
}

TEST_F(CalcShellTest, ASettingsFileThatRefusesTheWriteBackStillStartsTheWindow)
{
    std::string folder = FreshFolder("lockedatstart");
    std::string settings = folder + "setinfo.ini";
    WriteSettings(folder, "iTop=40\r\nnumber=99\r\nvoice=1\r\n");
    WriteBytes(folder + "temp.txt", "1+2=3\r\n");
    // Readers may share it, writers not: as another program holding it open.
    HANDLE lock = CreateFileA(settings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    auto form = Start(folder);
    CloseHandle(lock);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Unable to write to " + settings});
    EXPECT_EQ(form->SpinEdit1->Value(), 15);
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_EQ(form->Memo1->Text(), "1+2=3\r\n");
    EXPECT_EQ(SettingOf(folder, "number"), "99");
}

TEST_F(CalcShellTest, TheWayOutWritesEveryKeyInOrder)
{
    std::string folder = FreshFolder("writeall");
    auto form = Start(folder);
    form->SetBounds(33, 44, form->Width(), form->Height());
    form->CheckBox1->SetChecked(true);
    form->CheckBox2->SetChecked(false);
    form->CheckBox4->SetChecked(true);
    form->Panel1->SetVisible(false);
    form->Memo1->SetColor(0x00123456);
    form->SpinEdit1->SetValue(4);
    form->SpinEdit3->SetValue(300);
    form->SpinEdit2->SetValue(20);
    ClickButton(*form, "SpeedButton45");
    EXPECT_TRUE(TakeQuit());
    EXPECT_EQ(ReadBytes(folder + "setinfo.ini"),
              "[calcform]\r\niTop=44\r\niLeft=33\r\nontop=1\r\nvoice=0\r\nreadnum=0\r\ndaxie=1\r\nscrollBars=0\r\n"
              "showdate=1\r\npanel1=0\r\nbackcolor=clMoneyGreen\r\nmemocolor=$00123456\r\nfontcolor=clWhite\r\n"
              "fontsize=20\r\nnumber=4\r\nrate=300\r\n");
    EXPECT_TRUE(Messages().empty());
}

TEST(WeekName, FollowsTheCalendar)
{
    // 2026-12-06 was a Sunday.
    const char* names[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (WORD day = 6; day < 13; ++day) {
        SYSTEMTIME date{2026, 12, 0, day, 0, 0, 0, 0};
        FILETIME stamp;
        ASSERT_TRUE(SystemTimeToFileTime(&date, &stamp));
        ASSERT_TRUE(FileTimeToSystemTime(&stamp, &date));
        EXPECT_EQ(WeekName(date.wDayOfWeek), names[day - 6]) << day;
    }
}

// The options group's windows come with its first showing: what the settings
// put into its boxes before then is what the windows show.
TEST_F(CalcShellTest, OptionsReadBeforeTheirWindowsShowInThem)
{
    std::string folder = FreshFolder("lateoptions");
    WriteSettings(folder, "iTop=5\r\nontop=0\r\nvoice=0\r\nreadnum=1\r\ndaxie=1\r\nscrollBars=0\r\nshowdate=0\r\n"
                          "number=7\r\nrate=350\r\nfontsize=20\r\n");
    auto form = Start(folder);
    form->Show();
    auto& options = form->Component<TGroupBox>("GroupBox2");
    EXPECT_FALSE(options.HandleAllocated()) << "made at start-up";
    ClickButton(*form, "SpeedButton4");
    ASSERT_TRUE(options.HandleAllocated());
    const struct {
        const char* box;
        bool checked, enabled;
    } boxes[] = {{"CheckBox1", false, true}, {"CheckBox2", false, true}, {"CheckBox5", true, false},
                 {"CheckBox4", true, true},  {"CheckBox6", false, true}, {"CheckBox3", false, true}};
    for (const auto& b : boxes) {
        HWND box = form->Component<TControl>(b.box).Handle();
        EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED, b.checked) << b.box;
        EXPECT_EQ(IsWindowEnabled(box) != FALSE, b.enabled) << b.box;
        EXPECT_TRUE(IsWindowVisible(box)) << b.box;
    }
    const struct {
        TSpinEdit* spin;
        const char* text;
    } spins[] = {{form->SpinEdit1, "7"}, {form->SpinEdit3, "350"}, {form->SpinEdit2, "20"}};
    for (const auto& s : spins) {
        char text[16] = "";
        GetWindowTextA(s.spin->Handle(), text, sizeof text);
        EXPECT_STREQ(text, s.text) << s.spin->Name();
    }
}
