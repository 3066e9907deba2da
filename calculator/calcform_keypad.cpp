// The keypad: each button plays its clip, then changes the tape at the caret.
#include <algorithm>
#include <array>
#include <string_view>

#include "calculator/calcform.h"
#include "calculator/calcform_tape.h"

namespace {

enum class KeyAction {
    Insert,       // through insertpos
    Own,          // own insertion, caret one place after the insertion point
    CloseBracket, // own insertion of ")", caret after it
    Enter,        // an Enter key-down to the focused control
    Backspace,
};

struct KeypadKey {
    std::string_view button;
    std::string_view text;
    std::string_view clip;
    KeyAction action;
};

constexpr std::array<KeypadKey, 33> kKeypad{{
    {"SpeedButton8", "7", "7_wav", KeyAction::Insert},
    {"SpeedButton14", "8", "8_wav", KeyAction::Insert},
    {"SpeedButton9", "9", "9_wav", KeyAction::Insert},
    {"SpeedButton10", "4", "4_wav", KeyAction::Insert},
    {"SpeedButton11", "5", "5_wav", KeyAction::Insert},
    {"SpeedButton12", "6", "6_wav", KeyAction::Insert},
    {"SpeedButton13", "1", "1_wav", KeyAction::Insert},
    {"SpeedButton15", "2", "2_wav", KeyAction::Insert},
    {"SpeedButton16", "3", "3_wav", KeyAction::Insert},
    {"SpeedButton17", "0", "0_wav", KeyAction::Insert},
    {"SpeedButton18", ".", "point_wav", KeyAction::Insert},
    {"SpeedButton19", "", "", KeyAction::Enter},
    {"SpeedButton20", "+", "add_wav", KeyAction::Insert},
    {"SpeedButton21", "-", "sub_wav", KeyAction::Insert},
    {"SpeedButton22", "*", "mul_wav", KeyAction::Insert},
    {"SpeedButton23", "/", "div_wav", KeyAction::Insert},
    {"SpeedButton24", "(", "zuo_wav", KeyAction::Insert},
    {"SpeedButton25", ")", "you_wav", KeyAction::CloseBracket},
    {"SpeedButton34", "", "bs_wav", KeyAction::Backspace},
    {"SpeedButton5", "()^()", "ncf_wav", KeyAction::Own},
    {"SpeedButton26", "()!", "leicheng_wav", KeyAction::Own},
    {"SpeedButton30", "Sqrt()", "kaifang_wav", KeyAction::Insert},
    {"SpeedButton31", "Sqr()", "pingfang_wav", KeyAction::Insert},
    {"SpeedButton32", "()%()", "mod_wav", KeyAction::Own},
    {"SpeedButton27", "Sin()", "sin_wav", KeyAction::Insert},
    {"SpeedButton28", "Cos()", "cos_wav", KeyAction::Insert},
    {"SpeedButton29", "Tan()", "tan_wav", KeyAction::Insert},
    {"SpeedButton33", "Arcsin()", "asin_wav", KeyAction::Insert},
    {"SpeedButton39", "ArcCos()", "acos_wav", KeyAction::Insert},
    {"SpeedButton3", "ArcTan()", "atan_wav", KeyAction::Insert},
    {"SpeedButton38", "Ln()", "", KeyAction::Insert},
    {"SpeedButton40", "Log10()", "log_wav", KeyAction::Insert},
    {"SpeedButton41", "Pi", "pi_wav", KeyAction::Insert},
}};

} // namespace

void TCalcForm::KeypadClick(TComponent& Sender)
{
    auto key = std::find_if(kKeypad.begin(), kKeypad.end(), [&](const KeypadKey& k) { return k.button == Sender.Name(); });
    if (key == kKeypad.end())
        return;
    if (!key->clip.empty())
        playclip(std::string(key->clip));
    std::string text(key->text);
    switch (key->action) {
    case KeyAction::Insert:
        insertpos(text);
        break;
    case KeyAction::Own:
    case KeyAction::CloseBracket: {
        int p = Memo1->SelStart();
        int caret = key->action == KeyAction::Own ? p + 1 : p + static_cast<int>(text.size());
        inserttext(text, p, 0, caret);
        break;
    }
    case KeyAction::Enter:
        // A real key press, so it takes the same road as a typed Enter.
        keybd_event(VK_RETURN, static_cast<BYTE>(MapVirtualKeyA(VK_RETURN, 0)), 0, 0);
        break;
    case KeyAction::Backspace:
        backspace();
        break;
    }
}

void TCalcForm::insertpos(const std::string& s)
{
    std::string text = Memo1->Text();
    int p = Memo1->SelStart(text);
    inspos = p;
    int replace = 0;
    if (s.size() == 1 && IsTapeOperator(s[0]) && p > 0 && IsTapeOperator(text[static_cast<std::size_t>(p - 1)]))
        replace = 1, --p;
    int caret = p + static_cast<int>(s.size()) - (s.find(')') != std::string::npos ? 1 : 0);
    inserttext(s, p + replace, replace, caret);
}

void TCalcForm::inserttext(const std::string& s, int p, int replace, int caret)
{
    std::string text = Memo1->Text();
    Memo1->Replace(text, p - replace, p, s);
    text.replace(static_cast<std::size_t>(p - replace), static_cast<std::size_t>(replace), s);
    Memo1->SetSel(text, caret, caret);
}

void TCalcForm::backspace()
{
    std::string text = Memo1->Text();
    int p = Memo1->SelStart(text);
    auto n = static_cast<int>(TapeBackspaceLength(text, static_cast<std::size_t>(p)));
    if (n > 0)
        inserttext("", p, n, p - n);
}
