// The application's main form: shown and painted before the loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {

class PaintedForm : public TForm {
public:
    PaintedForm()
    {
        LoadFromText("PaintedForm: TForm\n"
                     "  Caption = 主窗口\n"
                     "  Bar: TPanel\n"
                     "    Align = alTop\n"
                     "    Height = 30\n"
                     "    Note: TLabel\n"
                     "      Caption = 标签\n"
                     "  Tape: TMemo\n"
                     "    Align = alClient\n");
    }
};

// Windows still waiting for their WM_PAINT, the form's own first.
std::vector<std::string> Unpainted(TForm& form)
{
    std::vector<std::string> waiting;
    if (GetUpdateRect(form.Handle(), nullptr, FALSE))
        waiting.push_back(form.Name());
    for (const char* name : {"Bar", "Note", "Tape"})
        if (GetUpdateRect(form.Component<TControl>(name).Handle(), nullptr, FALSE))
            waiting.push_back(name);
    return waiting;
}

TEST(Application, ShowMainFormPaintsTheFormAndItsControlsAtOnce)
{
    Application.Initialize();
    TForm* before = Application.MainForm();
    {
        PaintedForm form;
        Application.SetMainForm(&form);
        // No message is handled here: only the call itself can have painted.
        Application.ShowMainForm();
        EXPECT_TRUE(IsWindowVisible(form.Handle()));
        EXPECT_EQ(Unpainted(form), std::vector<std::string>{});
        Application.SetMainForm(before);
    }
}

} // namespace
