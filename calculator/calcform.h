// The calculator window: the tape, its keypad, toolbar, options and bottom
// bar, its settings and tape autosave, and its tray icon.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calculator/calcengine.h"
#include "calculator/calcform_tape.h"
#include "calculator/calcspeech.h"
#include "classlib/checkbox.h"
#include "classlib/colordialog.h"
#include "classlib/customedit.h"
#include "classlib/dialogs.h"
#include "classlib/filepaths.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/localclock.h"
#include "classlib/menus.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/spinedit.h"
#include "classlib/timer.h"
#include "classlib/trayicon.h"

class TCalcForm : public TForm, public TCalcEngine, public TCalcSpeech {
public:
    // folder holds setinfo.ini and temp.txt: the program's own folder, or
    // another one for a window that must leave the program's files alone.
    // clock: the date and time the status line shows.
    explicit TCalcForm(std::string folder = ProgramFolder(), const TClock& clock = SystemClock());
    const std::string& folder() const { return folder_; }

    // Index of the current tape line, 0-based: follows the caret on every
    // key-down and mouse-down and after each evaluation.
    int curline = 0;
    // The caret position the last keypad insertion started from.
    int inspos = 0;

    // The grand total of every result on the tape.
    double calcrichedit();
    // Inserts a keypad text at the caret.
    void insertpos(const std::string& s);
    // A result is being read aloud, or waits to be.
    bool speaking() const { return reading_ || !readings_.empty(); }

    // Section calcform of setinfo.ini into the window, and back with the tape.
    void loadsetting();
    void savesetting();

    // Components of the form description.
    TMemo* Memo1 = nullptr;
    TEdit *Edit2 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    TPanel *Panel1 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel7 = nullptr;
    TGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr;
    TSpeedButton *SpeedButton2 = nullptr, *ToolButton6 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr, *SpinEdit2 = nullptr, *SpinEdit3 = nullptr;
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr,
              *CheckBox5 = nullptr, *CheckBox6 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TColorDialog* ColorDialog1 = nullptr;
    TTimer* Timer2 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem *N1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N4 = nullptr;

    // The window's own events.
    void FormCreate(TComponent& Sender);
    void FormShow(TComponent& Sender);
    void FormCloseQuery(TComponent& Sender, bool& CanClose);
    void FormKeyPress(TComponent& Sender, char& Key);
    // The tray icon's message: lParam is the mouse message over the icon.
    LRESULT traymessage(WPARAM wParam, LPARAM lParam);

    // Tray menu.
    void N1Click(TComponent& Sender);
    void N2Click(TComponent& Sender);
    void N4Click(TComponent& Sender);
    void N3Click(TComponent& Sender);

    // Tape events.
    void Memo1KeyDown(TComponent& Sender, WORD& Key, TShiftState Shift);
    void Memo1MouseDown(TComponent& Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Memo1KeyPress(TComponent& Sender, char& Key);
    void Memo1KeyUp(TComponent& Sender, WORD& Key, TShiftState Shift);
    void Memo1Change(TComponent& Sender);
    void Memo1Enter(TComponent& Sender);
    void Memo1MouseMove(TComponent& Sender, TShiftState Shift, int X, int Y);

    // Keypad: every button of the grid.
    void KeypadClick(TComponent& Sender);

    // Toolbar.
    void SpeedButton7Click(TComponent& Sender);
    void sb_copyresultClick(TComponent& Sender);
    void SpeedButton1Click(TComponent& Sender);
    void SpeedButton6Click(TComponent& Sender);
    void SpeedButton47Click(TComponent& Sender);
    void SpeedButton45Click(TComponent& Sender);
    void ToolButton6Click(TComponent& Sender);
    void SpeedButton48Click(TComponent& Sender);
    // The about, help and calendar windows.
    void SpeedButton42Click(TComponent& Sender);
    void SpeedButton46Click(TComponent& Sender);
    void SpeedButton43Click(TComponent& Sender);
    // The tools window, shown without blocking.
    void SpeedButton44Click(TComponent& Sender);

    // Options panel.
    void SpeedButton2Click(TComponent& Sender);
    void SpeedButton35Click(TComponent& Sender);
    void SpeedButton37Click(TComponent& Sender);
    void SpeedButton36Click(TComponent& Sender);
    void SpinEdit2Change(TComponent& Sender);
    void CheckBox1Click(TComponent& Sender);
    void CheckBox2Click(TComponent& Sender);
    void CheckBox3Click(TComponent& Sender);
    void CheckBox6Click(TComponent& Sender);
    void Timer1Timer(TComponent& Sender);

protected:
    int speechPace() const override;
    const TMessageMap& Messages() const override;
    void WMTrayIcon(TMessage& message);
    void WMCalcRead(TMessage& message);
    void WMCalcTray(TMessage& message);
    void WMQueryEndSession(TMessage& message);

private:
    // Plays a key or result clip when the voice is on.
    void playclip(const std::string& clip);
    // Line and column of the caret on the bottom bar; sets curline.
    void showcaret();
    // The Enter road: cleaning, evaluation, line rewrite, total, words; the
    // speech is queued for readqueued. broken: the rewritten line was given
    // its line break too.
    void evaluate(bool& broken);
    // Reads the queued results one after another. It runs from a posted
    // message, so the Enter that queued a result has put its line break in
    // the tape first and keys typed meanwhile land on the new line.
    void readqueued();
    // Replaces the tape line within bounds by line (caret after it); text is
    // the tape as it stands.
    void rewriteline(std::string& text, const TapeLine& bounds, const std::string& line);
    // This result's words and the total in the bottom fields; returns the words.
    void showresult(long double r, double total, std::string& shown, std::string& words);
    // Inserts s at byte p, replacing `replace` bytes before it, caret to caret.
    void inserttext(const std::string& s, int p, int replace, int caret);
    void backspace();

    // Every way out ends here, once: settings and tape saved, tray icon gone, loop ended.
    void exitsequence();
    // The tape as the lines of a tape file, and such lines as the tape.
    std::vector<std::string> tapelines() const;
    void settapelines(const std::vector<std::string>& lines);
    // The caret at the end of text, the tape's own, and in view.
    void showtapeend(const std::string& text);
    // temp.txt in folder(): read at start-up, written on the way out.
    std::string autosavename() const;
    void loadtape();
    void savetape();
    // What the option boxes switch, for their clicks and for loadsetting.
    void applyontop();
    void applyvoice();
    void applyscrollbars();
    void applyshowdate();
    // The toolbar, margin, bottom bar, right-hand panel and its groups, and the three bottom labels.
    void setpanelcolor(TColor color);

    struct Reading {
        bool digits; // read1 of a number text, else readstr of words
        std::string text;
    };
    std::deque<Reading> readings_;
    bool reading_ = false;
    TTapeTotal total_;
    // The room of the tape's last copy read by an Enter.
    std::string tapeBuffer_;
    std::string folder_;
    const TClock& clock_;
    std::unique_ptr<TTrayIcon> trayicon_;
    int trayWaits_ = 0;
    bool exited_ = false;
};

// Posted to the window for each result to be read aloud.
constexpr UINT WM_CALCREAD = WM_APP + 1;
// Posted by FormCreate: the tray icon is added once the window is up.
constexpr UINT WM_CALCTRAY = WM_APP + 2;

extern TCalcForm* CalcForm;
// Run before the calculator first makes one of its other windows (about,
// help, tools): the program starts the libraries those windows need there.
extern std::function<void()> BeforeOtherWindows;
// The weekday name, fixed at start-up.
extern std::string weekname;
// The name of a weekday, 0 = Sunday as Windows counts.
std::string WeekName(int dayOfWeek);
