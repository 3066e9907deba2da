#include "editors/controls/mask/cxmaskeditstandardmode.h"

#include <algorithm>

#include "classlib/gbkchars.h"
#include "editors/controls/mask/cxmaskchars.h"

bool TcxMaskEditStandardMode::IsLiteral(int position) const
{
    return position >= 0 && position < static_cast<int>(standardMask_.Count()) &&
           !dynamic_cast<const TcxStandardMaskManyItem*>(&standardMask_.Items(static_cast<std::size_t>(position)));
}

int TcxMaskEditStandardMode::FirstDataPosition() const
{
    int p = 0;
    while (IsLiteral(p))
        ++p;
    return p;
}

int TcxMaskEditStandardMode::OverLiterals(const std::string& text, int p) const
{
    while (p < static_cast<int>(text.size()) && IsLiteral(p))
        p = cxMaskNextChar(text, p);
    return p;
}

int TcxMaskEditStandardMode::SelectedChars()
{
    const TcxMaskEditSelection sel = Port().Selection();
    return cxMaskCharCount(Port().Text(), sel.Start, sel.Start + sel.Length);
}

void TcxMaskEditStandardMode::SetModeMask(const std::string& mask)
{
    TcxMaskEditCustomMode::SetModeMask(mask);
    if (IsMaskAbsent())
        standardMask_.Clear();
    else
        standardMask_.SetMask(mask, *Options().Settings);
    if (!HasPort())
        refreshValue_ = true;
}

std::string TcxMaskEditStandardMode::ApplyMask(const std::string& text, bool textHasLiterals)
{
    std::string result = text;
    standardMask_.ApplyToText(result, true, textHasLiterals);
    BlankCutHalves(result, result, 0, 0);
    return result;
}

bool TcxMaskEditStandardMode::IsCaretAtStart()
{
    const TcxMaskEditSelection sel = Port().Selection();
    const int first = FirstDataPosition();
    return (sel.Start <= first && SelectedChars() <= 1) || (sel.Length > 0 && sel.Anchor() <= first);
}

bool TcxMaskEditStandardMode::IsTextValid(const std::string& text)
{
    std::string checked = text;
    if (standardMask_.IsTextValid(checked))
        return true;
    return Options().IgnoreMaskBlank && text == standardMask_.GetEmptyText();
}

void TcxMaskEditStandardMode::SelectForOverwrite()
{
    if (!HasPort() || IsMaskAbsent())
        return;
    const TcxMaskEditSelection sel = Port().Selection();
    const std::string text = Port().Text();
    if (sel.Length == 0 && sel.Start < static_cast<int>(text.size())) {
        Port().Select(sel.Start, cxMaskNextChar(text, sel.Start));
        overwriteBox_ = sel.Start;
    }
}

bool TcxMaskEditStandardMode::IsOverwriteBox()
{
    return SelectedChars() == 1 && Port().Selection().Start == overwriteBox_;
}

void TcxMaskEditStandardMode::BeforePaste(const std::string& clipboard)
{
    textBeforePaste_ = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    pasteStart_ = cxMaskCharFloor(textBeforePaste_, sel.Start);
    pasteText_ = clipboard;
    clipboardLength_ = static_cast<int>(clipboard.size());
    // The inner edit's paste then overwrites rather than inserts.
    const int end = std::min(static_cast<int>(textBeforePaste_.size()), pasteStart_ + clipboardLength_);
    Port().Select(pasteStart_, std::max(pasteStart_, cxMaskCharFloor(textBeforePaste_, end)));
}

// The pasted characters are laid into the text as if typed from the paste
// start, so the text keeps one byte per position whatever the paste did.
void TcxMaskEditStandardMode::FinishPaste()
{
    std::string text = textBeforePaste_;
    const auto count = static_cast<int>(standardMask_.Count());
    if (static_cast<int>(text.size()) != count)
        text = ApplyMask(text, true);
    int p = pasteStart_;
    for (std::size_t i = 0; i < pasteText_.size() && p < count;) {
        const std::size_t next = GbkNextCharOffset(pasteText_, i);
        const std::string unit = pasteText_.substr(i, next - i);
        i = next;
        for (int q = p; q < count; ++q) {
            std::string checked;
            if (Fits(unit, q, &checked)) {
                text.replace(static_cast<std::size_t>(q), checked.size(), checked);
                BlankCutHalves(text, textBeforePaste_, q, q + static_cast<int>(checked.size()));
                p = q + static_cast<int>(checked.size());
                break;
            }
            if (!IsLiteral(q) && (unit[0] == standardMask_.BlankChar || unit[0] == ' ') && unit.size() == 1) {
                text[static_cast<std::size_t>(q)] = GetBlankCharAt(q);
                BlankCutHalves(text, textBeforePaste_, q, q + 1);
                p = q + 1;
                break;
            }
        }
    }
    int caret = std::min(pasteStart_ + clipboardLength_, count);
    caret = OverLiterals(text, cxMaskCharFloor(text, caret));
    pasteText_.clear();
    Port().SetTextKeepingCaret(text);
    Port().Select(caret, caret);
    SelectForOverwrite();
}

bool TcxMaskEditStandardMode::Fits(const std::string& unit, int p, std::string* checked) const
{
    if (unit.empty() || p + static_cast<int>(unit.size()) > static_cast<int>(standardMask_.Count()))
        return false;
    std::string result = unit;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const auto position = static_cast<std::size_t>(p) + i;
        // A double-byte character needs data positions: a literal byte is never half of one.
        if (unit.size() > 1 && IsLiteral(static_cast<int>(position)))
            return false;
        if (!standardMask_.Items(position).Check(result[i]))
            return false;
    }
    // Only single bytes take the item's letter case; a trail byte is never a letter.
    *checked = unit.size() == 1 ? result : unit;
    return true;
}

void TcxMaskEditStandardMode::BlankCutHalves(std::string& text, const std::string& old, int from, int to)
{
    // A double-byte character of the old text that [from, to) cuts loses its other half.
    for (int i = 0; i < static_cast<int>(old.size()) && i < to + 1;) {
        const int next = cxMaskNextChar(old, i);
        const bool cut = next - i == 2 && ((i < from && next > from) || (i < to && next > to));
        if (cut)
            for (int b = i; b < next; ++b)
                if ((b < from || b >= to) && !IsLiteral(b) && b < static_cast<int>(text.size()))
                    text[static_cast<std::size_t>(b)] = GetBlankCharAt(b);
        i = next;
    }
    // A lead byte left alone in the new text (at the end, or before a literal) is blanked too.
    for (int i = 0; i < static_cast<int>(text.size());) {
        const int next = cxMaskNextChar(text, i);
        if (IsGbkLeadByte(text[static_cast<std::size_t>(i)]) && !IsLiteral(i) && (next - i != 2 || IsLiteral(i + 1)))
            text[static_cast<std::size_t>(i)] = GetBlankCharAt(i);
        i = cxMaskNextChar(text, i);
    }
}

void TcxMaskEditStandardMode::MoveCaret(int p)
{
    Port().Select(p, p);
    SelectForOverwrite();
}

bool TcxMaskEditStandardMode::Backspace()
{
    if (SelectedChars() <= 1) {
        const int before = Port().Selection().Start;
        CaretLeft();
        if (Port().Selection().Start >= before)
            return false;
    }
    return ClearSelection();
}

bool TcxMaskEditStandardMode::ClearSelection()
{
    const std::string old = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    const int from = cxMaskCharFloor(old, sel.Start);
    const int to = sel.Length > 0 ? sel.Start + sel.Length : cxMaskNextChar(old, from);
    std::string text = old;
    for (int i = from; i < to && i < static_cast<int>(text.size()); ++i)
        if (!IsLiteral(i))
            text[static_cast<std::size_t>(i)] = GetBlankCharAt(i);
    BlankCutHalves(text, old, from, to);
    Port().SetTextKeepingCaret(text);
    Port().Select(sel.Anchor(), sel.Caret());
    return false;
}

bool TcxMaskEditStandardMode::CaretEnd()
{
    if (Shift())
        return true;
    MoveCaret(static_cast<int>(Port().Text().size()));
    return false;
}

bool TcxMaskEditStandardMode::CaretHome()
{
    if (Shift())
        return true;
    MoveCaret(OverLiterals(Port().Text(), 0));
    return false;
}

bool TcxMaskEditStandardMode::CaretRight()
{
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    const int chars = SelectedChars();
    if (Shift()) {
        // The overwrite box is no selection of the user's: Shift grows one from its start.
        if (IsOverwriteBox())
            Port().Select(sel.Start, sel.Start);
        overwriteBox_ = -1;
        return true;
    }
    if (chars <= 1) {
        MoveCaret(OverLiterals(text, cxMaskNextChar(text, sel.Start)));
        return false;
    }
    int p = sel.Start + sel.Length;
    while (p > sel.Start && IsLiteral(cxMaskPrevChar(text, p)))
        p = cxMaskPrevChar(text, p);
    MoveCaret(p);
    return false;
}

bool TcxMaskEditStandardMode::CaretLeft()
{
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    const int chars = SelectedChars();
    if (Shift()) {
        const bool box = IsOverwriteBox();
        overwriteBox_ = -1;
        if (!box)
            return true;
        // From behind the overwrite box, two steps left select it and the character before.
        const int end = cxMaskNextChar(text, sel.Start);
        Port().Select(end, end);
        Port().SendKey(TcxMaskEditKey::Left, true);
        Port().SendKey(TcxMaskEditKey::Left, true);
        return false;
    }
    if (chars > 1) {
        MoveCaret(OverLiterals(text, sel.Start));
        return false;
    }
    int p = cxMaskPrevChar(text, sel.Start);
    while (p > 0 && IsLiteral(p))
        p = cxMaskPrevChar(text, p);
    // Only a leading literal lies there: the caret stays on the first data position.
    MoveCaret(IsLiteral(p) ? sel.Start : p);
    return false;
}

bool TcxMaskEditStandardMode::TypeChar(char& key)
{
    const std::string text = Port().Text();
    const TcxMaskEditSelection sel = Port().Selection();
    const int caret = cxMaskCharFloor(text, sel.Start);
    if (text.empty() || caret >= static_cast<int>(text.size()))
        return false;
    const std::string unit = cxMaskTypedUnit(key, Port().PendingSecondByte());
    if (IsLiteral(caret)) {
        Port().ShiftDown = false;
        if (SelectedChars() > 1)
            ClearSelection();
        CaretRight();
        if (Port().Selection().Start != caret)
            return TypeChar(key);
        return false;
    }
    std::string checked;
    if (!Fits(unit, caret, &checked)) {
        ErrorBeep();
        return false;
    }
    key = checked[0];
    if (!Port().IsCharValidAt(key, caret + 1) || !key) {
        ErrorBeep();
        return false;
    }
    checked[0] = key;
    // The hook may have moved the caret on (the time editor puts a leading
    // zero first): the key goes where it left it.
    const int at = cxMaskCharFloor(Port().Text(), Port().Selection().Start);
    if (at != caret && !Fits(std::string(checked), at, &checked)) {
        ErrorBeep();
        return false;
    }
    if (SelectedChars() > 1)
        ClearSelection();
    const std::string old = Port().Text();
    std::string updated = old;
    updated.replace(static_cast<std::size_t>(at), checked.size(), checked);
    BlankCutHalves(updated, old, at, at + static_cast<int>(checked.size()));
    Port().SetTextKeepingCaret(updated);
    Port().Select(at, at + static_cast<int>(checked.size()));
    Port().ShiftDown = false;
    CaretRight();
    return false;
}

std::string TcxMaskEditStandardMode::GetValueTextOf(const std::string& text, bool textHasLiterals)
{
    std::string value = text;
    standardMask_.ApplyToText(value, Options().CharCase == TEditCharCase::ecNormal, textHasLiterals);
    standardMask_.GetValueText(value);
    return value;
}
