// The road of one calculation: a key typed on the tape, and Enter.
#include <array>

#include "calculator/calcform.h"
#include "calculator/calcform_tape.h"
#include "calculator/numbertext.h"

namespace {

struct KeyClip {
    char key;
    const char* clip;
};

constexpr std::array<KeyClip, 19> kKeyClips{{
    {'\b', "bs_wav"},  {'(', "zuo_wav"}, {')', "you_wav"}, {'*', "mul_wav"}, {'+', "add_wav"},
    {'-', "sub_wav"},  {'.', "point_wav"}, {'/', "div_wav"}, {'0', "0_wav"}, {'1', "1_wav"},
    {'2', "2_wav"},    {'3', "3_wav"},   {'4', "4_wav"},   {'5', "5_wav"},   {'6', "6_wav"},
    {'7', "7_wav"},    {'8', "8_wav"},   {'9', "9_wav"},   {'\0', nullptr},
}};

} // namespace

void TCalcForm::Memo1KeyPress(TComponent&, char& Key)
{
    if (IsTapeOperator(Key)) {
        std::string text = Memo1->Text();
        int caret = Memo1->SelStart(text);
        if (caret > 0 && IsTapeOperator(text[static_cast<std::size_t>(caret - 1)]))
            inserttext("", caret, 1, caret - 1);
    }
    for (const auto& k : kKeyClips)
        if (k.clip && k.key == Key)
            playclip(k.clip);
    if (Key == '=')
        Key = '\r';
    if (Key != '\r')
        return;
    bool broken = false;
    try {
        evaluate(broken);
    } catch (...) {
        // Every failure of the evaluation reads the same to the user; the
        // Enter still goes on into the tape.
        ShowMessage("表达式错误！");
    }
    // A rewritten line got its line break with its result, in one change of
    // the tape; otherwise the EDIT breaks the line at the caret.
    if (broken)
        Key = 0;
}

namespace {

// Bounds of tape line index from the memo's own line table, so a line near
// the end of a long tape is found without counting from its start; false
// when there is no such line.
bool MemoLine(const TMemo& memo, const std::string& text, int index, TapeLine& bounds)
{
    if (index < 0 || index >= memo.LineCount())
        return false;
    bounds = TapeLineAt(text, static_cast<std::size_t>(memo.LineStart(text, index)));
    return true;
}

} // namespace

void TCalcForm::rewriteline(std::string& text, const TapeLine& bounds, const std::string& line)
{
    // Only what differs is replaced: the control redoes less work, and the
    // line and the caret (at its end) come out the same.
    std::string_view old = std::string_view(text).substr(bounds.start, bounds.length);
    std::size_t same = 0;
    while (same < old.size() && same < line.size() && old[same] == line[same])
        ++same;
    Memo1->Replace(text, static_cast<int>(bounds.start + same), static_cast<int>(bounds.start + bounds.length),
                   line.substr(same));
    text.replace(bounds.start, bounds.length, line);
}

void TCalcForm::evaluate(bool& broken)
{
    // The tape is read once; every later step works on this copy, kept equal
    // to the control's text. The copy takes the room of the last one, so a
    // long tape costs no new memory at each Enter (a nested evaluation from
    // a message box of the engine starts with none).
    std::string text = std::move(tapeBuffer_);
    struct KeepRoom {
        std::string& text;
        std::string& buffer;
        ~KeepRoom() { buffer = std::move(text); }
    } keep{text, tapeBuffer_};
    Memo1->ReadText(text);

    // Line cleaning of the current line; a stale line number cleans nothing.
    TapeLine bounds;
    if (MemoLine(*Memo1, text, curline, bounds)) {
        std::string line = text.substr(bounds.start, bounds.length);
        std::string cleaned = CleanTapeLine(line);
        if (cleaned != line)
            rewriteline(text, bounds, cleaned);
    }

    auto caret = static_cast<std::size_t>(Memo1->SelStart(text));
    splitexpr(text, caret);
    long double r = 0;
    if (!explist.empty()) {
        r = calcbracket();
        std::string result = FloatToStr(RoundTo(static_cast<double>(r), -SpinEdit1->Value()));
        curline = Memo1->SelStartLine();
        if (MemoLine(*Memo1, text, curline, bounds)) {
            rewriteline(text, bounds, text.substr(bounds.start, bounds.length) + "=" + result + "\r\n");
            broken = true;
        }
    }

    double total = total_(text);
    playclip("eqr_wav");
    std::string shown, words;
    showresult(r, total, shown, words);
    if (CheckBox2->Checked()) {
        bool digits = CheckBox5->Checked();
        readings_.push_back({digits, digits ? shown : words});
        PostMessageA(Handle(), WM_CALCREAD, 0, 0);
    }
}

void TCalcForm::readqueued()
{
    // A result queued during a reading is read after it, in order.
    if (reading_)
        return;
    reading_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{reading_};
    while (!readings_.empty() && !exited_) {
        Reading next = std::move(readings_.front());
        readings_.pop_front();
        if (next.digits)
            read1(std::move(next.text));
        else
            readstr(std::move(next.text));
    }
}

double TCalcForm::calcrichedit()
{
    return total_(Memo1->Text());
}
