// The toolbar's tape actions: clear, copy result, paste, save and import.
#include <algorithm>

#include "calculator/calcform.h"
#include "calculator/calcform_tape.h"
#include "classlib/clipboard.h"
#include "classlib/stringlist.h"

void TCalcForm::SpeedButton7Click(TComponent&)
{
    playclip("c_wav");
    Memo1->Clear();
    Edit2->Clear();
    Edit4->Clear();
    Edit5->Clear();
    Label1->SetText("行1 列0 ");
    Memo1->SetFocus();
}

void TCalcForm::sb_copyresultClick(TComponent&)
{
    std::string text = Memo1->Text();
    TapeLine line;
    std::string result;
    if (TapeLineBounds(text, static_cast<std::size_t>(curline), line) &&
        TapeLineResult(std::string_view(text).substr(line.start, line.length), result))
        Clipboard().SetAsText(result);
}

void TCalcForm::SpeedButton1Click(TComponent&)
{
    Memo1->PasteFromClipboard();
}

void TCalcForm::SpeedButton6Click(TComponent&)
{
    std::string text = Memo1->Text();
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
        return;
    if (!SaveDialog1->Execute())
        return;
    TStringList lines;
    lines.SetText(text);
    // The extension is appended whatever the name already ends in.
    lines.SaveToFile(SaveDialog1->FileName + ".txt");
}

void TCalcForm::SpeedButton47Click(TComponent&)
{
    if (!OpenDialog1->Execute())
        return;
    TStringList lines;
    lines.LoadFromFile(OpenDialog1->FileName);
    std::string text;
    for (std::size_t i = 0; i < lines.Lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += lines.Lines[i];
    }
    // The EDIT control ends its text at a NUL byte; a blank keeps the rest.
    std::replace(text.begin(), text.end(), '\0', ' ');
    Memo1->SetText(text);
}

void TCalcForm::SpeedButton45Click(TComponent&)
{
    Close();
}
