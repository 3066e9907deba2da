// A time editor's settings: which items it shows, the hour mode, and how a
// value shows unfocused. The mask, the value type and the bounds of the
// spin editor are fixed by the time format; a step that leaves the day
// does nothing unless Circular.
#pragma once

#include <memory>
#include <string>

#include "editors/controls/spin/cxspineditproperties.h"
#include "editors/controls/time/cxtimevalue.h"

class TcxCustomTimeEditProperties : public TcxCustomSpinEditProperties {
public:
    explicit TcxCustomTimeEditProperties(TPersistent* owner);

    // The time settings too, inside one update, when source is time properties.
    void Assign(const TPersistent& source) override;

    // Kept for form text; nothing reads it.
    bool AutoCorrectHours() const { return autoCorrectHours_; }
    void SetAutoCorrectHours(bool value);
    bool ShowDate() const { return showDate_; }
    void SetShowDate(bool value);
    TcxTimeEditTimeFormat TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(TcxTimeEditTimeFormat value);
    bool Use24HourFormat() const { return use24HourFormat_; }
    void SetUse24HourFormat(bool value);
    bool UseTimeFormatWhenUnfocused() const { return useTimeFormatWhenUnfocused_; }
    void SetUseTimeFormatWhenUnfocused(bool value);

    TcxTimeEditFormat Format() const { return {timeFormat_, use24HourFormat_}; }
    TcxTimeDisplay Display(bool focused) const;
    // EditMask := the table's mask for the format, inside one update.
    void ApplyTimeEditMask();
    // A text StrToDateTime reads, in the display format; none otherwise.
    std::optional<std::string> CheckText(const std::string& text) const;

    // The time mode for every kind.
    TcxMaskEditModeClass GetModeClass(TcxEditMaskKind kind) const override;
    TcxEditDisplayFormatOptions SupportsDisplayFormat() const override { return dfoSupports | dfoEditFormat; }
    // Null, numbers, date-times and strings that read as a time.
    bool IsEditValueValid(Variant& value, bool editing) const override;
    // EConvertError "Could not convert to time" for other kinds of value.
    void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const override;
    // Only the OnValidate handlers judge a time.
    void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    // Midnight as the display format shows it.
    Variant GetEmptyValue() const override;
    bool HasDefaultBounds() const override { return false; }
    bool KeepsSelectionOnStep() const override { return true; }
    const TcxClass* GetEditClass() const override;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;

protected:
    const TPropertyTable& Properties() const override;

private:
    template <class T>
    void Store(T& field, T value, bool remask);

    bool autoCorrectHours_ = true;
    bool showDate_ = false;
    TcxTimeEditTimeFormat timeFormat_ = tfHourMinSec;
    bool use24HourFormat_ = true;
    bool useTimeFormatWhenUnfocused_ = true;
};

// The published form.
class TcxTimeEditProperties : public TcxCustomTimeEditProperties {
public:
    using TcxCustomTimeEditProperties::TcxCustomTimeEditProperties;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;
};

// The class records of the time properties, for the registries.
extern const TcxClass cxCustomTimeEditPropertiesClass;
extern const TcxClass cxTimeEditPropertiesClass;
