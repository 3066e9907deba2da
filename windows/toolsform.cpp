#include "windows/toolsform.h"

#include <cmath>

#include "calculator/statusline.h"
#include "classlib/application.h"
#include "classlib/datetimetext.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/inifile.h"
#include "classlib/inttext.h"
#include "classlib/shellopen.h"
#include "classlib/strutils.h"
#include "windows/aboutform.h"
#include "windows/webbrowse_open.h"

Tf_tools* f_tools = nullptr;

namespace {

constexpr char kCountdownSection[] = "gaokao";
constexpr char kFormSection[] = "calcform";

// The pages behind the web buttons.
constexpr char kWeatherPage[] = "https://portal.olvane.example/weather/beijing";
constexpr char kParcelPage[] = "https://parcels.example/track";
constexpr char kWebToolsPage[] = "https://portal.olvane.example/tools";
constexpr char kIpPlacePage[] = "https://whereis.example/ip";
constexpr char kSoftwarePage[] = "https://software.example/download";

void OpenInToolsWay(const char* address)
{
    OpenWebPage({.address = address, .hide = {"Edit1", "Label1"}, .modal = false});
}

// A box whose trimmed text is empty counts as 0.
int BoxInteger(const TEdit& box)
{
    const std::string text = box.Text();
    return Trim(text).empty() ? 0 : StrToInt(text);
}

// Only "-", the digits and Enter reach the day, hour and minute boxes.
void KeepIntegerKey(char& key)
{
    if (key != '-' && key != '\r' && (key < '0' || key > '9'))
        key = 0;
}

} // namespace

TMomentSeconds PickedMoment(const TDateTimePicker& date, const TcxTimeEdit& time)
{
    return MomentOf(date.Date(), SecondsOfDay(time.Time()));
}

Tf_tools::Tf_tools(std::string folder, const TClock& clock) : folder_(std::move(folder)), clock_(clock)
{
    Bind("FormCreate", &Tf_tools::FormCreate);
    Bind("FormShow", &Tf_tools::FormShow);
    Bind("FormClose", &Tf_tools::FormClose);
    Bind("BitBtn1Click", &Tf_tools::BitBtn1Click);
    Bind("Edit3KeyPress", &Tf_tools::Edit3KeyPress);
    Bind("Edit4KeyPress", &Tf_tools::Edit4KeyPress);
    Bind("Edit5KeyPress", &Tf_tools::Edit5KeyPress);
    Bind("Button7Click", &Tf_tools::Button7Click);
    Bind("Button5Click", &Tf_tools::Button5Click);
    Bind("Button4Click", &Tf_tools::Button4Click);
    Bind("Button8Click", &Tf_tools::Button8Click);
    Bind("Button2Click", &Tf_tools::Button2Click);
    Bind("Button3Click", &Tf_tools::Button3Click);
    Bind("Button6Click", &Tf_tools::Button6Click);
    Bind("GifAnimator1Click", &Tf_tools::GifAnimator1Click);
    LoadFromResource("TOOLS");
    PageControl1 = &Component<TPageControl>("PageControl1");
    Date1 = &Component<TDateTimePicker>("Date1");
    Date2 = &Component<TDateTimePicker>("Date2");
    Date3 = &Component<TDateTimePicker>("Date3");
    gaokao = &Component<TDateTimePicker>("gaokao");
    Time1 = &Component<TcxTimeEdit>("Time1");
    Time2 = &Component<TcxTimeEdit>("Time2");
    Time3 = &Component<TcxTimeEdit>("Time3");
    Time4 = &Component<TcxTimeEdit>("Time4");
    TEdit** boxes[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
    for (int i = 0; i < 9; ++i)
        *boxes[i] = &Component<TEdit>("Edit" + std::to_string(i + 1));
    chk_showdjs = &Component<TCheckBox>("chk_showdjs");
    Label12 = &Component<TLabel>("Label12");
    DoCreate();
}

Tf_tools::~Tf_tools()
{
    // The status line asks f_tools at every tick.
    if (f_tools == this)
        f_tools = nullptr;
}

void Tf_tools::FormCreate(TComponent&)
{
    loadcountdown();
    FormShow(*this);
}

void Tf_tools::loadcountdown()
{
    const TIniFile ini(settingsFile());
    if (!ini.ValueExists(kCountdownSection, "date"))
        return;
    // A date that does not convert, or that the picker cannot hold, gives today.
    TDateTime date = 0;
    bool taken = false;
    if (TryStrToDateTime(ini.ReadString(kCountdownSection, "date", ""), date, FormatSettings())) {
        try {
            gaokao->SetDate(static_cast<int>(std::trunc(date)));
            taken = true;
        } catch (const EConvertError&) {
        }
    }
    if (!taken)
        gaokao->SetDate(static_cast<int>(clock_.Date()));
    // A time that does not convert gives 08:00:00, as a missing one does.
    TDateTime time = 0;
    if (!TryStrToTime(ini.ReadString(kCountdownSection, "time", "08:00:00"), time, FormatSettings()))
        time = EncodeTime(8, 0, 0, 0);
    Time4->SetTime(time);
    Edit1->SetText(ini.ReadString(kCountdownSection, "name", "高考"));
}

void Tf_tools::FormShow(TComponent&)
{
    const int today = static_cast<int>(clock_.Date());
    const TDateTime now = clock_.Time();
    Date1->SetDate(today);
    Date2->SetDate(today);
    Date3->SetDate(today - 3);
    for (TcxTimeEdit* time : {Time1, Time2, Time3})
        time->SetTime(now);
    // A failure is shown once; the rest of the showing still takes place.
    try {
        showcountdown();
    } catch (...) {
        Application.HandleException();
    }
    const TIniFile ini(settingsFile());
    chk_showdjs->SetChecked(ini.ReadBool(kFormSection, "showdjs", true));
    const int page = ini.ReadInteger(kFormSection, "Page_index", 0);
    PageControl1->SetActivePageIndex(page >= 0 && page < PageControl1->PageCount() ? page : 0);
}

void Tf_tools::FormClose(TComponent&, TCloseAction&)
{
    // The window hides whether or not the page could be written.
    try {
        TIniFile(settingsFile()).WriteInteger(kFormSection, "Page_index", PageControl1->ActivePageIndex());
    } catch (...) {
        Application.HandleException();
    }
}

TMomentSpans Tf_tools::compute()
{
    const int days = BoxInteger(*Edit3), hours = BoxInteger(*Edit4), minutes = BoxInteger(*Edit5);
    const TMomentSeconds sum = AddToMoment(PickedMoment(*Date1, *Time1), days, hours, minutes);
    const std::string result = DateTimeToStr(MomentToDateTime(sum), FormatSettings());
    const TMomentSpans spans = MomentSpans(PickedMoment(*Date3, *Time3), PickedMoment(*Date2, *Time2));
    Edit2->SetText(result);
    Edit6->SetText(FloatToStr(spans.days));
    Edit7->SetText(FloatToStr(spans.hours));
    Edit8->SetText(FloatToStr(spans.minutes));
    Edit9->SetText(FloatToStr(spans.seconds));
    return spans;
}

void Tf_tools::showcountdown()
{
    Date3->SetDate(gaokao->Date());
    Time3->SetTime(Time4->Time());
    const TMomentSpans spans = compute();
    Label12->SetText(CountdownText(Edit1->Text(), static_cast<std::int64_t>(spans.hours)));
}

void Tf_tools::BitBtn1Click(TComponent&)
{
    compute();
}

void Tf_tools::Edit3KeyPress(TComponent&, char& key)
{
    KeepIntegerKey(key);
}

void Tf_tools::Edit4KeyPress(TComponent&, char& key)
{
    KeepIntegerKey(key);
}

void Tf_tools::Edit5KeyPress(TComponent&, char& key)
{
    KeepIntegerKey(key);
}

void Tf_tools::Button7Click(TComponent&)
{
    TIniFile ini(settingsFile());
    ini.WriteString(kCountdownSection, "date", DateToStr(gaokao->Date(), FormatSettings()));
    ini.WriteString(kCountdownSection, "time", Time4->Text());
    ini.WriteString(kCountdownSection, "name", Edit1->Text());
    showcountdown();
}

void Tf_tools::Button5Click(TComponent&)
{
    OpenInToolsWay(kWeatherPage);
}

void Tf_tools::Button4Click(TComponent&)
{
    OpenInToolsWay(kParcelPage);
}

void Tf_tools::Button8Click(TComponent&)
{
    try {
        OpenInToolsWay(kWebToolsPage);
    } catch (...) {
    }
}

void Tf_tools::Button2Click(TComponent&)
{
    OpenInToolsWay(kIpPlacePage);
}

void Tf_tools::Button3Click(TComponent&)
{
    OpenInToolsWay(kIpPlacePage);
}

void Tf_tools::Button6Click(TComponent&)
{
    OpenInToolsWay(kSoftwarePage);
}

void Tf_tools::GifAnimator1Click(TComponent&)
{
    ShellOpen(kHomePage);
}
