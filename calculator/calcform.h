// The calculator window: the tape, its keypad, toolbar and bottom bar.
#pragma once

#include <string>

#include "calculator/calcengine.h"
#include "calculator/calcform_tape.h"
#include "calculator/calcspeech.h"
#include "calculator/clipplayer_win.h"
#include "classlib/checkbox.h"
#include "classlib/customedit.h"
#include "classlib/dialogs.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/spinedit.h"

class TCalcForm : public TForm, public TCalcEngine, public TCalcSpeech {
public:
    TCalcForm();

    // Index of the current tape line, 0-based: follows the caret on every
    // key-down and mouse-down and after each evaluation.
    int curline = 0;
    // The caret position the last keypad insertion started from.
    int inspos = 0;

    // The grand total of every result on the tape.
    double calcrichedit();
    // Inserts a keypad text at the caret.
    void insertpos(const std::string& s);

    // Components of the form description.
    TMemo* Memo1 = nullptr;
    TEdit *Edit2 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    TLabel* Label1 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr, *SpinEdit2 = nullptr, *SpinEdit3 = nullptr;
    TCheckBox *CheckBox2 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;

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

protected:
    int speechPace() const override;

private:
    // Plays a key or result clip when the voice is on.
    void playclip(const std::string& clip);
    // Line and column of the caret on the bottom bar; sets curline.
    void showcaret();
    // The Enter road: cleaning, evaluation, line rewrite, total, words, speech.
    void evaluate();
    // Replaces tape line index by text (caret at its end); text is the tape as it stands.
    void rewriteline(std::string& text, int index, const std::string& line);
    // This result's words and the total in the bottom fields; returns the words.
    void showresult(long double r, double total, std::string& shown, std::string& words);
    // Inserts s at byte p, replacing `replace` bytes before it, caret to caret.
    void inserttext(const std::string& s, int p, int replace, int caret);
    void backspace();

    TResourceClipPlayer clips_;
    TTapeTotal total_;
};

extern TCalcForm* CalcForm;
