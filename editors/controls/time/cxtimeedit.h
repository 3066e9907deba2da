// The time editor: the spin editor over a time of day. The mask shows the
// hour, minute, second and AM/PM items; the arrows, paging keys, wheel and
// buttons step the item at the caret; the value keeps a date part apart
// from the time the user edits.
#pragma once

#include <optional>
#include <string>

#include "classlib/datetime.h"
#include "editors/controls/spin/cxspinedit.h"
#include "editors/controls/time/cxtimeeditproperties.h"
#include "editors/controls/time/cxtimeitems.h"

class TcxCustomTimeEdit : public TcxCustomSpinEdit {
public:
    explicit TcxCustomTimeEdit(TComponent* owner = nullptr, bool inPlace = false);

    TcxCustomTimeEditProperties& TimeProperties() const
    {
        return static_cast<TcxCustomTimeEditProperties&>(EditProperties());
    }
    TcxCustomTimeEditProperties& ActiveProperties() const
    {
        return static_cast<TcxCustomTimeEditProperties&>(GetEffectiveProperties());
    }

    // The whole days of the last value stored.
    double DatePart() const { return datePart_; }
    // The time of day in [0, 1): of the typed text while focused, else of
    // the edit value (Null reads as midnight).
    TDateTime Time() const;
    // Keeps the date part and stores the time of day of value.
    void SetTime(TDateTime value);

    // Only a text StrToDateTime reads, shown in the display format; the
    // edit value stays as it was.
    void SetText(const std::string& value) override;
    bool TextFromSetText(const std::string& text) override;

    // The time operations over the spin editor's.
    double GetIncrement(TcxSpinButtonKind kind) const override;
    // Seconds since midnight read from the text; Null when an item is not
    // two digits.
    Variant GetSpinValue() override;
    std::string SpinValueToText(const Variant& value) const override;
    void SetSpinValue(const Variant& value) override;
    // No step when the text has none to take; the stepped item stays selected.
    bool DoIncrement(TcxSpinButtonKind kind) override;

    bool IsCharValidAt(char& key, int position) override;
    std::string GetMaskText() const override { return GetDisplayText(); }
    Variant GetEditingValue() const override;
    void PrepareEditValue(const Variant& displayValue, Variant& editValue, bool editFocused) override;
    void ApplyDisplayValue(const Variant& value) override;
    void StoreEditValue(const Variant& value) override;
    bool IsCharAllowed(char) const override { return true; }
    void ApplyProperties(TcxCustomEditProperties& properties) override;
    void ClearValue() override;

protected:
    TcxCustomTimeEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind);

private:
    // The value a text stands for, joined with the date part.
    double TextToValue(const std::string& text) const;
    // A text shown through the mask without storing it.
    void ShowText(const std::string& text);
    // The item under the caret.
    TcxTimeItemKind CaretItem() const;

    double datePart_ = 0;
};

// The published form.
class TcxTimeEdit : public TcxCustomTimeEdit {
public:
    explicit TcxTimeEdit(TComponent* owner = nullptr, bool inPlace = false);

    TcxTimeEditProperties& TimeEditProperties() const
    {
        return static_cast<TcxTimeEditProperties&>(EditProperties());
    }
    // Writing copies.
    void SetProperties(const TcxTimeEditProperties& value) { TimeEditProperties().Assign(value); }

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
};

// TcxTimeEdit's class record, made by name from form text.
extern const TcxClass cxTimeEditClass;
// The kinds of TcxCustomTimeEdit and of TcxTimeEdit.
extern const TcxEditKind cxCustomTimeEditKind;
extern const TcxEditKind cxTimeEditKind;
