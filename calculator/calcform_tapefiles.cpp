// The tape as lines of a tape file, and its autosave temp.txt.
#include <algorithm>

#include "calculator/calcform.h"
#include "calculator/calcform_tape.h"
#include "calculator/tapefile.h"
#include "calculator/tapefile_win.h"
#include "classlib/application.h"

std::vector<std::string> TCalcForm::tapelines() const
{
    return SplitTapeText(Memo1->Text());
}

void TCalcForm::settapelines(const std::vector<std::string>& lines)
{
    // Every line ended: what is typed next starts a line of its own.
    std::string text = TapeFileText(lines);
    // The EDIT control ends its text at a NUL byte; a blank keeps the rest.
    std::replace(text.begin(), text.end(), '\0', ' ');
    Memo1->SetText(text);
    showtapeend(text);
}

void TCalcForm::showtapeend(const std::string& text)
{
    Memo1->SetSel(text, static_cast<int>(text.size()), static_cast<int>(text.size()));
    Memo1->ScrollCaret();
    // An Enter typed before any other key belongs to the caret's line.
    curline = Memo1->CaretLine();
}

std::string TCalcForm::autosavename() const
{
    return folder_ + kTapeAutosaveName;
}

void TCalcForm::loadtape()
{
    std::string name = autosavename();
    try {
        if (FileExists(name)) {
            settapelines(ReadTapeFile(name));
            return;
        }
    } catch (const Exception&) {
        Application.HandleException();
    }
    showtapeend(Memo1->Text());
}

void TCalcForm::savetape()
{
    try {
        WriteTapeFile(autosavename(), tapelines());
    } catch (const Exception&) {
        // Nothing to tell on the way out; the last complete temp.txt stays.
    }
}
