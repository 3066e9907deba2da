#include "calculator/calcform.h"

#include <memory>

#include "calculator/calcform_glyphs.h"
#include "calculator/calcform_tape.h"
#include "calculator/clipplayer_win.h"
#include "calculator/delayms_win.h"

TCalcForm* CalcForm = nullptr;
std::function<void()> BeforeOtherWindows;

TCalcForm::TCalcForm(std::string folder, const TClock& clock)
    : TCalcSpeech(std::make_unique<TResourceClipPlayer>(), std::make_unique<TMessagePumpClock>()),
      folder_(std::move(folder)), clock_(clock)
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
    Bind("ToolButton6Click", &TCalcForm::ToolButton6Click);
    Bind("SpeedButton48Click", &TCalcForm::SpeedButton48Click);
    Bind("SpeedButton42Click", &TCalcForm::SpeedButton42Click);
    Bind("SpeedButton46Click", &TCalcForm::SpeedButton46Click);
    Bind("SpeedButton43Click", &TCalcForm::SpeedButton43Click);
    Bind("SpeedButton44Click", &TCalcForm::SpeedButton44Click);
    Bind("FormCreate", &TCalcForm::FormCreate);
    Bind("FormShow", &TCalcForm::FormShow);
    Bind("FormCloseQuery", &TCalcForm::FormCloseQuery);
    Bind("FormKeyPress", &TCalcForm::FormKeyPress);
    Bind("N1Click", &TCalcForm::N1Click);
    Bind("N2Click", &TCalcForm::N2Click);
    Bind("N4Click", &TCalcForm::N4Click);
    Bind("N3Click", &TCalcForm::N3Click);
    Bind("SpeedButton2Click", &TCalcForm::SpeedButton2Click);
    Bind("SpeedButton35Click", &TCalcForm::SpeedButton35Click);
    Bind("SpeedButton37Click", &TCalcForm::SpeedButton37Click);
    Bind("SpeedButton36Click", &TCalcForm::SpeedButton36Click);
    Bind("SpinEdit2Change", &TCalcForm::SpinEdit2Change);
    Bind("CheckBox1Click", &TCalcForm::CheckBox1Click);
    Bind("CheckBox2Click", &TCalcForm::CheckBox2Click);
    Bind("CheckBox3Click", &TCalcForm::CheckBox3Click);
    Bind("CheckBox6Click", &TCalcForm::CheckBox6Click);
    Bind("Timer1Timer", &TCalcForm::Timer1Timer);
    LoadFromResource("CALCFORM");

    Memo1 = &Component<TMemo>("Memo1");
    Edit2 = &Component<TEdit>("Edit2");
    Edit4 = &Component<TEdit>("Edit4");
    Edit5 = &Component<TEdit>("Edit5");
    Label1 = &Component<TLabel>("Label1");
    Label2 = &Component<TLabel>("Label2");
    Label3 = &Component<TLabel>("Label3");
    Label4 = &Component<TLabel>("Label4");
    Panel1 = &Component<TPanel>("Panel1");
    Panel3 = &Component<TPanel>("Panel3");
    Panel4 = &Component<TPanel>("Panel4");
    Panel7 = &Component<TPanel>("Panel7");
    GroupBox1 = &Component<TGroupBox>("GroupBox1");
    GroupBox2 = &Component<TGroupBox>("GroupBox2");
    SpeedButton2 = &Component<TSpeedButton>("SpeedButton2");
    ToolButton6 = &Component<TSpeedButton>("ToolButton6");
    SpinEdit1 = &Component<TSpinEdit>("SpinEdit1");
    SpinEdit2 = &Component<TSpinEdit>("SpinEdit2");
    SpinEdit3 = &Component<TSpinEdit>("SpinEdit3");
    CheckBox1 = &Component<TCheckBox>("CheckBox1");
    CheckBox2 = &Component<TCheckBox>("CheckBox2");
    CheckBox3 = &Component<TCheckBox>("CheckBox3");
    CheckBox4 = &Component<TCheckBox>("CheckBox4");
    CheckBox5 = &Component<TCheckBox>("CheckBox5");
    CheckBox6 = &Component<TCheckBox>("CheckBox6");
    SaveDialog1 = &Component<TSaveDialog>("SaveDialog1");
    OpenDialog1 = &Component<TOpenDialog>("OpenDialog1");
    ColorDialog1 = &Component<TColorDialog>("ColorDialog1");
    Timer2 = &Component<TTimer>("Timer2");
    PopupMenu1 = &Component<TPopupMenu>("PopupMenu1");
    N1 = &Component<TMenuItem>("N1");
    N2 = &Component<TMenuItem>("N2");
    N3 = &Component<TMenuItem>("N3");
    N4 = &Component<TMenuItem>("N4");

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
        clipplayer().play(clip);
}

void TCalcForm::showcaret()
{
    // From the control's own line table: a key-down never reads the whole tape.
    int line = Memo1->CaretLine();
    curline = line;
    std::string text = "行:" + std::to_string(line + 1) + " 列:" + std::to_string(Memo1->CaretColumn(line));
    // The label keeps its text in memory; setting it repaints the bar, a
    // call to Wine's server, so a key that leaves the caret in place costs none.
    if (Label1->Text() != text)
        Label1->SetText(text);
}

void TCalcForm::Memo1KeyDown(TComponent&, WORD& Key, TShiftState)
{
    showcaret();
    // The EDIT breaks the line on Enter's character and does nothing with
    // its key-down but ask Wine's server for three key states; the Enter is
    // the tape's most frequent key.
    if (Key == VK_RETURN)
        Key = 0;
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
