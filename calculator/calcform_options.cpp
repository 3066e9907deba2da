// The options panel and the toolbar buttons that switch the window's look.
#include "calculator/calcform.h"

void TCalcForm::SpeedButton2Click(TComponent&)
{
    // Bound to both buttons of the pair: the down one shows its group.
    GroupBox1->SetVisible(SpeedButton2->Down());
    GroupBox2->SetVisible(!SpeedButton2->Down());
}

void TCalcForm::setpanelcolor(TColor color)
{
    for (TControl* c : std::initializer_list<TControl*>{Panel7, Panel3, Panel4, Panel1, GroupBox1, GroupBox2, Label1,
                                                         Label2, Label3})
        c->SetColor(color);
    // Buttons and boxes on these panels paint with their parent's colour.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The colour dialogs apply what they hold when they close: after a cancel,
// the colour they were preset to.
void TCalcForm::SpeedButton35Click(TComponent&)
{
    ColorDialog1->Color = Panel3->Color();
    ColorDialog1->Execute();
    setpanelcolor(ColorDialog1->Color);
}

void TCalcForm::SpeedButton37Click(TComponent&)
{
    ColorDialog1->Color = Memo1->Color();
    ColorDialog1->Execute();
    Memo1->SetColor(ColorDialog1->Color);
}

void TCalcForm::SpeedButton36Click(TComponent&)
{
    ColorDialog1->Color = Memo1->Font().Color();
    ColorDialog1->Execute();
    Memo1->Font().SetColor(ColorDialog1->Color);
}

void TCalcForm::SpinEdit2Change(TComponent&)
{
    // The spin box reports its first value while the description loads,
    // before there is a tape to apply it to.
    if (!Memo1)
        return;
    Memo1->Font().SetSize(SpinEdit2->Value());
}

void TCalcForm::applyontop()
{
    // A window already where it should be is left alone: the move costs a
    // round of the window system at each start.
    bool onTop = (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (onTop == CheckBox1->Checked())
        return;
    SetWindowPos(Handle(), CheckBox1->Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCalcForm::CheckBox1Click(TComponent&)
{
    applyontop();
}

void TCalcForm::applyvoice()
{
    bool on = CheckBox2->Checked();
    CheckBox5->SetEnabled(on);
    ToolButton6->SetImageIndex(on ? 0 : 1);
}

void TCalcForm::CheckBox2Click(TComponent&)
{
    applyvoice();
}

void TCalcForm::ToolButton6Click(TComponent&)
{
    CheckBox2->SetChecked(!CheckBox2->Checked());
    applyvoice();
}

void TCalcForm::applyscrollbars()
{
    Memo1->SetScrollBars(CheckBox3->Checked() ? TScrollStyle::ssBoth : TScrollStyle::ssNone);
}

void TCalcForm::CheckBox3Click(TComponent&)
{
    applyscrollbars();
}

void TCalcForm::applyshowdate()
{
    bool on = CheckBox6->Checked();
    Timer2->SetEnabled(on);
    Label4->SetVisible(on);
}

void TCalcForm::CheckBox6Click(TComponent&)
{
    applyshowdate();
}

void TCalcForm::SpeedButton48Click(TComponent&)
{
    Panel1->SetVisible(!Panel1->Visible());
}
