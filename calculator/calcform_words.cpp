// This result and the grand total, as numbers and in capital-number words.
#include "calculator/calcerror.h"
#include "calculator/calcform.h"
#include "calculator/numbertext.h"
#include "calculator/numberwords.h"

namespace {
// A value too large for words (past 64 bits, or an exponent text with a
// point) was still computed: it gets no words rather than an error.
template <class F>
std::string WordsOr(F&& words)
{
    try {
        return words();
    } catch (const ECalcError&) {
        return "";
    }
}

// Words with 负 in front when negative; no words stay none.
std::string Signed(bool negative, std::string words)
{
    if (!negative || words.empty())
        return words;
    std::string signedWords = "负";
    signedWords.append(words);
    return signedWords;
}

// Each write costs Wine's EDIT a relayout and a repaint, so a field is
// written only when its text changes.
void ShowField(TEdit& field, const std::string& text)
{
    if (field.Text() != text)
        field.SetText(text);
}
} // namespace

void TCalcForm::showresult(long double r, double total, std::string& shown, std::string& words)
{
    std::string totalWords, totalText;
    if (CheckBox4->Checked()) {
        double t = RoundTo(total, -2);
        double rounded = RoundTo(static_cast<double>(r), -2);
        shown = FloatToStr(rounded);
        words = Signed(r < 0, WordsOr([&] { return moneywords(rounded); }));
        totalWords = Signed(t < 0, WordsOr([&] { return moneywords(t); }));
        totalText = FloatToStr(t);
    } else {
        int d = SpinEdit1->Value();
        double t = RoundTo(total, -d);
        shown = FloatToStr(RoundTo(static_cast<double>(r), -d));
        words = Signed(r < 0, WordsOr([&] {
                           return numberwords(r >= 0 ? shown : FloatToStr(RoundTo(static_cast<double>(-r), -d)));
                       }));
        totalWords = Signed(t < 0, WordsOr([&] { return numberwords(FloatToStr(t < 0 ? -t : t)); }));
        totalText = FloatToStr(t < 0 ? -t : t);
        if (t < 0)
            totalText.insert(totalText.begin(), '-');
    }
    ShowField(*Edit5, totalText);
    ShowField(*Edit4, words);
    ShowField(*Edit2, totalWords);
}
