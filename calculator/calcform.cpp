#include "calculator/calcform.h"

#include <memory>

#include "calculator/calcform_glyphs.h"
#include "calculator/calcform_tape.h"
#include "calculator/delayms_win.h"

TCalcForm* CalcForm = nullptr;

TCalcForm::TCalcForm()
    : TCalcSpeech(std::make_unique<TResourceClipPlayer>(), std::make_unique<TMessagePumpClock>())
{
    RegisterCalcGlyphs();
    Bind("Memo1KeyDown", &TCalcForm::Memo1KeyDown);
    Bind("Memo1MouseDown", &TCalcForm::Memo1MouseDown);
    Bind("Memo1KeyPress", &TCalcForm::Memo1KeyPress);
    Bind("Memo1KeyUp", &TCalcForm::Memo1KeyUp);
    Bind("Memo1Change", &TCalcForm::Memo1Change);
    Bind("Memo1Enter", &TCalcForm::Memo1Enter);
    Bind("Memo1MouseMove", &TCalcForm::Memo1MouseMove);
    Bind("KeypadClick", &TCalcForm::KeypadClick);
    Bind("SpeedButton7Click", &TCalcForm::SpeedButton7Click);
    Bind("sb_copyresultClick", &TCalcForm::sb_copyresultClick);
    Bind("SpeedButton1Click", &TCalcForm::SpeedButton1Click);
    Bind("SpeedButton6Click", &TCalcForm::SpeedButton6Click);
    Bind("SpeedButton47Click", &TCalcForm::SpeedButton47Click);
    Bind("SpeedButton45Click", &TCalcForm::SpeedButton45Click);
    LoadFromResource("CALCFORM");

    Memo1 = &Component<TMemo>("Memo1");
    Edit2 = &Component<TEdit>("Edit2");
    Edit4 = &Component<TEdit>("Edit4");
    Edit5 = &Component<TEdit>("Edit5");
    Label1 = &Component<TLabel>("Label1");
    SpinEdit1 = &Component<TSpinEdit>("SpinEdit1");
    SpinEdit2 = &Component<TSpinEdit>("SpinEdit2");
    SpinEdit3 = &Component<TSpinEdit>("SpinEdit3");
    CheckBox2 = &Component<TCheckBox>("CheckBox2");
    CheckBox4 = &Component<TCheckBox>("CheckBox4");
    CheckBox5 = &Component<TCheckBox>("CheckBox5");
    SaveDialog1 = &Component<TSaveDialog>("SaveDialog1");
    OpenDialog1 = &Component<TOpenDialog>("OpenDialog1");

    onLeftoverTokens = [](const std::string& message) { ShowMessage(message); };
    DoCreate();
}

int TCalcForm::speechPace() const
{
    return SpinEdit3->Value();
}

void TCalcForm::playclip(const std::string& clip)
{
    if (CheckBox2->Checked())
        clips_.play(clip);
}

void TCalcForm::showcaret()
{
    // From the control's own line table: a key-down never reads the whole tape.
    int line = Memo1->CaretLine();
    curline = line;
    Label1->SetText("行:" + std::to_string(line + 1) + " 列:" + std::to_string(Memo1->CaretColumn()));
}

void TCalcForm::Memo1KeyDown(TComponent&, WORD&, TShiftState)
{
    showcaret();
}

void TCalcForm::Memo1MouseDown(TComponent&, TMouseButton, TShiftState, int, int)
{
    showcaret();
}

// These events of the tape have nothing to do; the EDIT control already
// shows the I-beam over the tape.
void TCalcForm::Memo1KeyUp(TComponent&, WORD&, TShiftState) {}
void TCalcForm::Memo1Change(TComponent&) {}
void TCalcForm::Memo1Enter(TComponent&) {}
void TCalcForm::Memo1MouseMove(TComponent&, TShiftState, int, int) {}
