// The text editor's value and its shown text: display, apply, synchronise
// and revalidate; insertion and deletion of text; the lookup items' hooks.
#include <algorithm>

#include "classlib/datetimetext.h"
#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/handlercall.h"
#include "classlib/liveness.h"
#include "editors/controls/text/cxdigitgrouping.h"
#include "editors/controls/text/cxtextedit.h"
#include "editors/controls/text/cxtextinsertion.h"
#include "editors/edit/editor/cxeditlocks.h"
#include "editors/edit/variants/cxvariants.h"

namespace {

bool SameValue(const Variant& a, const Variant& b)
{
    return a.VarType() == b.VarType() && VariantsEqual(a, b);
}

// The plain text of a value that its format cannot show.
std::string PlainText(const Variant& value)
{
    try {
        if (value.VarType() == varDate)
            return DateTimeToStr(VarToDateTime(value), FormatSettings());
        return VarToStr(value);
    } catch (const EVariantError&) {
        return {};
    }
}

} // namespace

// Shown text

void TcxCustomTextEdit::UpdateDisplay()
{
    if (synchronizingDisplay_)
        return;
    const TLiveness alive = Liveness();
    TcxCustomTextEditProperties& properties = ActiveProperties();
    const Variant value = GetEditValue();
    Variant displayValue;
    if (properties.NeedsValidation()) {
        try {
            ValueToDisplayValue(value, displayValue, ShowsEditFormat());
        } catch (const EConvertError&) {
            displayValue = Focused() ? properties.GetEmptyValue() : Variant(PlainText(value));
        } catch (const EVariantError&) {
            displayValue = Focused() ? properties.GetEmptyValue() : Variant(PlainText(value));
        }
    } else {
        ValueToDisplayValue(value, displayValue, ShowsEditFormat());
    }
    {
        TcxEditModifiedScope modified(*this);
        TFlagScope synchronizing(alive, synchronizingDisplay_);
        DataBinding().WriteDisplayValue(displayValue);
    }
    if (!alive)
        return;
    ResetFindSelection();
    UpdateDrawValue();
}

void TcxCustomTextEdit::ShowDisplayValue(const Variant& value)
{
    TcxCustomInnerTextEdit* inner = InnerTextEditControl();
    if (!inner)
        return;
    const std::string text = VarToStr(value);
    // A changed text tells of itself, as typing does: OnChange follows the text.
    if (inner->Text() != text)
        inner->SetText(text);
}

void TcxCustomTextEdit::RestoreDisplayValue()
{
    if (IcxInnerTextEdit* inner = InnerTextEdit())
        inner->SetEditValue(GetEditValue());
}

void TcxCustomTextEdit::ApplyDisplayValue(const Variant& value)
{
    const TLiveness alive = Liveness();
    DataBinding().WriteDisplayValue(value);
    if (!alive || keyboardAction_)
        return;
    ResetFindSelection();
    SyncEditValue();
    if (alive)
        SetModifiedFlag(false);
}

// The edit value follows the shown text; the text stays as it is.
void TcxCustomTextEdit::SyncEditValue()
{
    Variant editValue;
    PrepareEditValue(Variant(GetDisplayText()), editValue, Focused());
    const TLiveness alive = Liveness();
    TFlagScope byUser(alive, byUserInput_, keyboardAction_);
    TFlagScope synchronizing(alive, synchronizingDisplay_);
    StoreEditValue(editValue);
}

bool TcxCustomTextEdit::ApplyTextChecked(const std::string& text)
{
    Variant value(text);
    if (!ActiveProperties().IsEditValueValid(value, true))
        return false;
    if (keyboardAction_ && !RequestEditing())
        return false;
    ApplyDisplayValue(value);
    return true;
}

void TcxCustomTextEdit::SetEditValueKeepModified(const Variant& value)
{
    TcxCustomEdit::SetEditValueKeepModified(value);
}

void TcxCustomTextEdit::PrepareEditValue(const Variant& displayValue, Variant& editValue, bool)
{
    editValue = displayValue;
}

Variant TcxCustomTextEdit::GetEditingValue() const
{
    return Variant(GetDisplayText());
}

bool TcxCustomTextEdit::NeedsRevalidation() const
{
    const IcxEditDefaultValuesProvider* provider = DataBinding().GetDefaultValuesProvider();
    return !InPlace() && provider && !provider->IsValueStore();
}

void TcxCustomTextEdit::RevalidateDisplay()
{
    if (!InnerEdit())
        return;
    const TLiveness alive = Liveness();
    if (!IsListMode(EditingMode())) {
        if (!ModifiedSinceFocus())
            DataBinding().RefreshDisplay();
        return;
    }
    if ((ModifiedSinceFocus() && !ValueValidated()) || NeedsRevalidation()) {
        Variant shown(GetDisplayText());
        if (ActiveProperties().IsEditValueValid(shown, true))
            return;
        {
            TcxEditModifiedScope modified(*this);
            DataBinding().WriteDisplayValue(ActiveProperties().GetEmptyValue());
        }
        if (alive && !ModifiedSinceFocus())
            SyncEditValue();
        return;
    }
    UpdateDisplay();
}

void TcxCustomTextEdit::ContentChanged()
{
    const TLiveness alive = Liveness();
    {
        // Whatever the change fires, it fires once the base has done its part.
        TcxEditChangeEventsLock changeLock(*this);
        TcxCustomEdit::ContentChanged();
        changeLock.Release();
    }
    if (!alive)
        return;
    if (!IsInnerEditVisible())
        UpdateDrawValue();
    if (!Focused() || !ActiveProperties().UseDigitGroupingWhenEditing())
        return;
    const std::string text = GetDisplayText();
    const auto regrouped = RegroupDigits(text, SelectionStart(), FormatSettings());
    if (!regrouped || regrouped->Text == text)
        return;
    if (IcxInnerTextEdit* inner = InnerTextEdit()) {
        InnerTextEditControl()->ShowText(regrouped->Text);
        inner->SetSelStart(regrouped->Caret);
    }
}

// Insertion

bool TcxCustomTextEdit::PrepareTextInsertion(const std::string& text, std::string& newText, int& caret)
{
    TcxTextInsertionRequest request;
    request.Text = GetDisplayText();
    if (IcxInnerTextEdit* inner = InnerTextEdit()) {
        request.SelStart = inner->GetSelStart();
        request.SelLength = inner->GetSelLength();
    }
    request.Inserted = text;
    request.FromKeyboard = keyboardAction_;
    request.Mode = EditingMode();
    request.MaxLength = ActiveProperties().MaxLength();
    const std::optional<TcxTextInsertion> insertion = cxPrepareTextInsertion(request);
    if (!insertion)
        return false;
    Variant value(insertion->Text);
    if (!ActiveProperties().IsEditValueValid(value, true))
        return false;
    if (keyboardAction_ && !RequestEditing())
        return false;
    newText = VarToStr(value);
    caret = std::min(insertion->Caret, static_cast<int>(newText.size()));
    return true;
}

void TcxCustomTextEdit::InsertText(const std::string& text)
{
    const TLiveness alive = Liveness();
    TFlagScope keyboard(alive, keyboardAction_, Focused());
    std::string newText;
    int caret = 0;
    if (!PrepareTextInsertion(text, newText, caret) || !alive)
        return;
    ApplyDisplayValue(Variant(newText));
    if (alive)
        SetSelectionStart(caret);
}

void TcxCustomTextEdit::DeleteSelectionText()
{
    const int length = SelectionLength();
    if (length == 0)
        return;
    const TLiveness alive = Liveness();
    TFlagScope keyboard(alive, keyboardAction_, Focused());
    const int start = SelectionStart();
    std::string text = GetDisplayText();
    text.erase(std::min<std::size_t>(start, text.size()), length);
    if (ApplyTextChecked(text) && alive)
        SetSelectionStart(start);
}

void TcxCustomTextEdit::SetTextByUser(const std::string& text)
{
    const TLiveness alive = Liveness();
    if (!RequestEditing() || !alive)
        return;
    SetText(text);
    if (alive)
        MarkUserModified(true);
}

// Lookup items

void TcxCustomTextEdit::DoNewLookupDisplayText(const std::string& text)
{
    const TLiveness alive = Liveness();
    CallHandler(TextProperties().OnNewLookupDisplayText, static_cast<TComponent&>(*this), text);
    if (alive && RepositoryItem())
        CallHandler(ActiveProperties().OnNewLookupDisplayText, static_cast<TComponent&>(*this), text);
}

int TcxCustomTextEdit::LookupKeyToItemIndex(const Variant& key) const
{
    if (VarIsNull(key) || VarIsEmpty(key))
        return -1;
    const std::int64_t index = key.ToInt64();
    return index >= 0 && index < ActiveProperties().LookupItems().Count() ? static_cast<int>(index) : -1;
}

Variant TcxCustomTextEdit::LookupKeyToEditValue(const Variant& key) const
{
    const int index = LookupKeyToItemIndex(key);
    const std::string text = index >= 0 ? ActiveProperties().LookupItems()[index] : std::string();
    Variant value;
    const_cast<TcxCustomTextEdit*>(this)->PrepareEditValue(Variant(text), value, true);
    return value;
}

int TcxCustomTextEdit::ItemIndex() const
{
    return lookupData_ ? LookupKeyToItemIndex(lookupData_->GetCurrentKey()) : -1;
}

void* TcxCustomTextEdit::ItemObject() const
{
    const int index = ItemIndex();
    return index >= 0 ? ActiveProperties().LookupItems().Objects(index) : nullptr;
}

void TcxCustomTextEdit::LookupItemSelected()
{
    if (!lookupData_)
        return;
    const TLiveness alive = Liveness();
    const Variant value = LookupKeyToEditValue(lookupData_->GetCurrentKey());
    const bool differs = !SameValue(value, GetEditValue());
    if (differs && (!RequestEditing() || !alive))
        return;
    {
        TcxEditModifiedScope modified(*this);
        SetEditValue(value);
    }
    if (!alive)
        return;
    if (differs)
        MarkUserModified(true);
    SelectAll();
    if (alive)
        RefreshAtCursor();
}

void TcxCustomTextEdit::SetItemIndex(int value)
{
    if (!lookupData_)
        return;
    const TLiveness alive = Liveness();
    const int old = ItemIndex();
    {
        TcxEditClickLock clickLock(*this);
        lookupData_->SetCurrentKey(ItemIndexToLookupKey(value));
        if (!alive)
            return;
        const Variant editValue = LookupKeyToEditValue(lookupData_->GetCurrentKey());
        if (!SameValue(editValue, GetEditValue()))
            SetEditValue(editValue);
    }
    if (!alive || ItemIndex() == old)
        return;
    SetModifiedFlag(false);
    Click();
}

void TcxCustomTextEdit::ResetFindSelection()
{
    if (ActiveProperties().HasLookupData())
        SetFindSelection(false);
}

void TcxCustomTextEdit::SetFindSelection(bool value)
{
    if (!HandleAllocated() || findSelection_ == value)
        return;
    findSelection_ = value;
    const TLiveness alive = Liveness();
    RefreshAtCursor();
    if (alive)
        UpdateDrawValue();
}
