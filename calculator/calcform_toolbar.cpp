// The toolbar's tape actions: clear, copy result, paste, save and import.
#include <algorithm>

#include "calculator/calcform.h"
#include "calculator/calcform_tape.h"
#include "calculator/tapefile_win.h"
#include "classlib/clipboard.h"

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
    // The extension is appended whatever the name already ends in.
    WriteTapeFile(SaveDialog1->FileName + ".txt", SplitTapeText(text));
}

void TCalcForm::SpeedButton47Click(TComponent&)
{
    if (!OpenDialog1->Execute())
        return;
    settapelines(ReadTapeFile(OpenDialog1->FileName));
}
