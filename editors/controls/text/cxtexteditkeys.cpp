// The text editor's keys and its selection: which keys change the value,
// what the list modes do with the arrows, Delete and End, and the
// selection helpers the masked, spin and time editors use.
#include <optional>
#include <vector>

#include "classlib/gbkchars.h"
#include "classlib/handlercall.h"
#include "classlib/liveness.h"
#include "editors/controls/text/cxtextedit.h"
#include "editors/controls/text/cxtexteditlookupedit.h"

namespace {

constexpr char kCtrlV = 0x16;
constexpr char kCtrlX = 0x18;

bool IsPrintable(char c)
{
    return static_cast<unsigned char>(c) > 31;
}

} // namespace

// Selection

bool TcxCustomTextEdit::ShowsSelection() const
{
    const TcxTextEditingMode mode = EditingMode();
    return mode != temNoEdit && (mode != temFixedList || findSelection_);
}

int TcxCustomTextEdit::SelectionStart() const
{
    const IcxInnerTextEdit* inner = InnerTextEdit();
    return inner && ShowsSelection() ? inner->GetSelStart() : 0;
}

void TcxCustomTextEdit::SetSelectionStart(int value)
{
    if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && EditingMode() != temNoEdit)
        inner->SetSelStart(value);
}

int TcxCustomTextEdit::SelectionLength() const
{
    const IcxInnerTextEdit* inner = InnerTextEdit();
    return inner && ShowsSelection() ? inner->GetSelLength() : 0;
}

void TcxCustomTextEdit::SetSelectionLength(int value)
{
    if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && EditingMode() != temNoEdit)
        inner->SetSelLength(value);
}

std::string TcxCustomTextEdit::SelectedText() const
{
    const IcxInnerTextEdit* inner = InnerTextEdit();
    return inner && ShowsSelection() ? inner->GetSelText() : std::string();
}

void TcxCustomTextEdit::SelectRange(int start, int length)
{
    SetSelectionStart(start);
    SetSelectionLength(length);
}

void TcxCustomTextEdit::SelectAll()
{
    if (IcxInnerTextEdit* inner = InnerTextEdit())
        inner->SelectAll();
}

// The EDIT answers positions in characters; the search runs over the byte
// offsets where characters start, so the answer is a byte index.
int TcxCustomTextEdit::CaretCharIndex() const
{
    const TcxCustomInnerTextEdit* inner = InnerTextEditControl();
    if (!inner || !inner->HandleAllocated())
        return 0;
    const std::string text = inner->Text();
    std::vector<int> starts;
    for (std::size_t i = 0; i < text.size(); i = GbkNextCharOffset(text, i))
        starts.push_back(static_cast<int>(i));
    if (starts.empty())
        return 0;
    POINT caret{};
    GetCaretPos(&caret);
    const auto xOf = [&](int index) {
        const std::optional<POINT> p = inner->PosFromChar(starts[index]);
        return p ? p->x : -1;
    };
    int low = 0;
    int high = static_cast<int>(starts.size()) - 1;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (xOf(mid) < caret.x)
            low = mid + 1;
        else
            high = mid;
    }
    if (xOf(low) == caret.x)
        return starts[low];
    return low + 1 < static_cast<int>(starts.size()) ? starts[low + 1] : static_cast<int>(text.size());
}

// Keys

// The text editor marks the key handled before the base runs: the arrows
// and paging keys stay for its own steps and the EDIT.
bool TcxCustomTextEdit::KeyDownConsumed() const
{
    const IcxInnerTextEdit* inner = InnerTextEdit();
    return inner && inner->GetKeyHandled();
}

bool TcxCustomTextEdit::IsValueChangingKey(WORD key, TShiftState shift) const
{
    return TcxCustomEdit::IsValueChangingKey(key, shift) || key == VK_DELETE;
}

bool TcxCustomTextEdit::IsValueChangingChar(char c) const
{
    return c == '\b' || c == kCtrlV || c == kCtrlX || IsPrintable(c);
}

bool TcxCustomTextEdit::IsCharAllowed(char character) const
{
    return TcxCustomEdit::IsCharAllowed(character) ||
           ActiveProperties().AllowedChars().test(static_cast<unsigned char>(character));
}

bool TcxCustomTextEdit::IsEditingAllowed() const
{
    return EditingMode() != temNoEdit;
}

void TcxCustomTextEdit::KeyPress(char& key)
{
    TcxCustomEdit::KeyPress(key);
}

void TcxCustomTextEdit::DoEditKeyDown(WORD& key, TShiftState shift)
{
    const TLiveness alive = Liveness();
    const TcxTextEditingMode mode = EditingMode();
    const auto afterKeyDown = [&] {
        WORD passed = key;
        key = 0;
        CallHandler(AfterKeyDownHandler, static_cast<TcxCustomEdit&>(*this), passed, shift);
    };
    if (mode == temFixedList && !IsClearOrClickKey(key, shift) &&
        (key == VK_LEFT || key == VK_RIGHT || key == VK_DELETE)) {
        SetFindSelection(false);
        if (alive)
            afterKeyDown();
        return;
    }
    IcxInnerTextEdit* inner = InnerTextEdit();
    if (inner)
        inner->SetKeyHandled(true);
    const bool hadFindSelection = findSelection_;
    TcxCustomEdit::DoEditKeyDown(key, shift);
    if (!alive)
        return;
    if (key == VK_RETURN && hadFindSelection)
        SelectAll();
    if (key >= VK_PRIOR && key <= VK_DELETE) {
        switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
            if (!(shift & ssShift) && SelectionLength() > 0) {
                const int start = SelectionStart();
                SetSelectionStart(key == VK_RIGHT ? start + SelectionLength() : start);
                key = 0;
            }
            SetFindSelection(false);
            break;
        case VK_DELETE:
            if (mode == temEditList)
                afterKeyDown();
            else
                SetFindSelection(false);
            break;
        default:
            // The lookup list is never navigated by keys here.
            break;
        }
    }
    if (!alive)
        return;
    if (key == VK_END && SelectionLength() == 0 && mode != temFixedList)
        SetFindSelection(false);
    if (key != 0 && (inner = InnerTextEdit()) != nullptr)
        inner->SetKeyHandled(false);
}

void TcxCustomTextEdit::DoEditKeyPress(char& key)
{
    const TLiveness alive = Liveness();
    IcxInnerTextEdit* inner = InnerTextEdit();
    if (inner)
        inner->SetKeyHandled(true);
    TcxCustomEdit::DoEditKeyPress(key);
    if (!alive)
        return;
    if (key == '\b' || static_cast<unsigned char>(key) > 31) {
        IcxTextEditLookupData* data = LookupData();
        const int oldKey = data ? data->GetCurrentKey().ToInteger() : -1;
        bool taken = false;
        {
            // A completion the search shows is typed, not a value given.
            TFlagScope keyboard(alive, keyboardAction_);
            LockClick(true);
            try {
                taken = cxTextEditIncrementalSearch(*this, key);
            } catch (...) {
                if (alive)
                    LockClick(false);
                throw;
            }
            if (!alive)
                return;
            LockClick(false);
        }
        if (taken)
            key = 0;
        if (data && data->GetCurrentKey().ToInteger() != oldKey)
            ClickModified();
        if (!alive)
            return;
    }
    if (key != 0 && (inner = InnerTextEdit()) != nullptr)
        inner->SetKeyHandled(false);
}
