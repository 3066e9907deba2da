// The window's life: start-up, the tray icon and its menu, and the one way out.
#include "calculator/calcform.h"
#include "classlib/application.h"

std::string weekname;

namespace {
constexpr char kTrayTip[] = "Olvane语音计算器";
}

std::string WeekName(int dayOfWeek)
{
    static constexpr const char* kNames[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    return dayOfWeek >= 0 && dayOfWeek < 7 ? kNames[dayOfWeek] : "";
}

void TCalcForm::FormCreate(TComponent&)
{
    // The shell answers the icon across processes: the window comes first.
    PostMessageA(Handle(), WM_CALCTRAY, 0, 0);
    // A settings file that refuses the write-back is reported; start-up goes on.
    try {
        loadsetting();
    } catch (const Exception&) {
        Application.HandleException();
    }
    weekname = WeekName(clock_.LocalTime().wDayOfWeek);
    loadtape();
}

void TCalcForm::FormShow(TComponent&)
{
    // A fresh Token list for the evaluations.
    explist.clear();
}

void TCalcForm::FormCloseQuery(TComponent&, bool&)
{
    // The close then goes ahead.
    exitsequence();
}

void TCalcForm::FormKeyPress(TComponent&, char& Key)
{
    if (Key == VK_ESCAPE)
        exitsequence();
}

void TCalcForm::SpeedButton45Click(TComponent&)
{
    exitsequence();
}

void TCalcForm::N3Click(TComponent&)
{
    exitsequence();
}

void TCalcForm::exitsequence()
{
    // Ways out can meet: a close request while the settings error is shown.
    if (exited_)
        return;
    exited_ = true;
    // A reading under way ends at its next pause; none queued starts.
    stopreading();
    readings_.clear();
    TTokenList().swap(explist);
    savesetting();
    if (trayicon_)
        trayicon_->Remove();
    Application.Terminate();
}

const TMessageMap& TCalcForm::Messages() const
{
    static const TMessageMap map(TForm::Messages(), {
                                                        {WM_TRAYICON, &TCalcForm::WMTrayIcon},
                                                        {WM_CALCREAD, &TCalcForm::WMCalcRead},
                                                        {WM_CALCTRAY, &TCalcForm::WMCalcTray},
                                                        {WM_QUERYENDSESSION, &TCalcForm::WMQueryEndSession},
                                                    });
    return map;
}

void TCalcForm::WMCalcRead(TMessage&)
{
    readqueued();
}

void TCalcForm::WMCalcTray(TMessage&)
{
    // The shell's answer takes milliseconds: keys and messages already
    // waiting at start-up go first (a bounded number of times, so a steady
    // stream of them cannot keep the icon away).
    if (HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) != 0 && trayWaits_ < 20) {
        ++trayWaits_;
        PostMessageA(Handle(), WM_CALCTRAY, 0, 0);
        return;
    }
    if (!trayicon_ && !exited_)
        trayicon_ = std::make_unique<TTrayIcon>(Handle(), ApplicationIcon(), kTrayTip);
}

// Asked before a log-off, which may still be cancelled: the tape is kept
// now, and the way out runs only once the session really ends.
void TCalcForm::WMQueryEndSession(TMessage& m)
{
    savetape();
    m.Result = TRUE;
}

void TCalcForm::WMTrayIcon(TMessage& m)
{
    m.Result = traymessage(m.WParam, m.LParam);
}

LRESULT TCalcForm::traymessage(WPARAM wParam, LPARAM lParam)
{
    TMessage inherited{WM_TRAYICON, wParam, lParam, 0};
    TForm::Messages().Dispatch(*this, inherited);
    if (lParam == WM_RBUTTONUP) {
        POINT at{};
        GetCursorPos(&at);
        PopupMenu1->Popup(at.x, at.y);
    }
    return 0;
}

void TCalcForm::N1Click(TComponent&)
{
    N1->Checked = true;
    N2->Checked = false;
    ShowWindow(Application.Handle(), SW_SHOW);
    Show();
}

void TCalcForm::N2Click(TComponent&)
{
    N1->Checked = false;
    N2->Checked = true;
    ShowWindow(Application.Handle(), SW_HIDE);
    Hide();
}

