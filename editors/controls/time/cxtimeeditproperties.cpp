#include "editors/controls/time/cxtimeeditproperties.h"

#include "classlib/exceptions.h"
#include "classlib/localclock.h"
#include "classlib/propertytable.h"
#include "editors/controls/time/cxtimeedit.h"
#include "editors/controls/time/cxtimeeditmaskmode.h"
#include "editors/edit/variants/cxvariants.h"
#include "editors/foundation/core/cxresourcetext.h"

const TcxClass cxCustomTimeEditPropertiesClass{"TcxCustomTimeEditProperties", &cxCustomSpinEditPropertiesClass,
                                               nullptr};
const TcxClass cxTimeEditPropertiesClass{"TcxTimeEditProperties", &cxCustomTimeEditPropertiesClass, nullptr};

namespace {

constexpr double kLastSecond = 86399;

std::unique_ptr<TcxMaskEditCustomMode> MakeTimeMode(TcxMaskEditPort* port, const TcxMaskEditModeOptions& options)
{
    return std::make_unique<TcxTimeEditMaskMode>(port, options);
}

} // namespace

TcxCustomTimeEditProperties::TcxCustomTimeEditProperties(TPersistent* owner) : TcxCustomSpinEditProperties(owner)
{
    Updating([&] {
        SetValueType(vtFloat);
        ApplyTimeEditMask();
        SetIgnoreMaskBlank(true);
        SetIncrement(1.0);
        SetMinValue(0);
        SetMaxValue(kLastSecond);
        SetAlwaysShowBlanksAndLiterals(true);
    });
}

template <class T>
void TcxCustomTimeEditProperties::Store(T& field, T value, bool remask)
{
    if (field == value)
        return;
    field = value;
    if (remask)
        ApplyTimeEditMask();
    Changed();
}

void TcxCustomTimeEditProperties::SetAutoCorrectHours(bool value)
{
    autoCorrectHours_ = value;
}

void TcxCustomTimeEditProperties::SetShowDate(bool value)
{
    Store(showDate_, value, false);
}

void TcxCustomTimeEditProperties::SetTimeFormat(TcxTimeEditTimeFormat value)
{
    Store(timeFormat_, value, true);
}

void TcxCustomTimeEditProperties::SetUse24HourFormat(bool value)
{
    Store(use24HourFormat_, value, true);
}

void TcxCustomTimeEditProperties::SetUseTimeFormatWhenUnfocused(bool value)
{
    Store(useTimeFormatWhenUnfocused_, value, false);
}

void TcxCustomTimeEditProperties::ApplyTimeEditMask()
{
    Updating([&] { SetEditMask(cxTimeFormatTable().Cell(Format()).EditMask); });
}

TcxTimeDisplay TcxCustomTimeEditProperties::Display(bool focused) const
{
    return {Format(), focused, showDate_, useTimeFormatWhenUnfocused_};
}

std::optional<std::string> TcxCustomTimeEditProperties::CheckText(const std::string& text) const
{
    return cxCheckTimeText(text, Format(), FormatSettings());
}

void TcxCustomTimeEditProperties::Assign(const TPersistent& source)
{
    auto* time = dynamic_cast<const TcxCustomTimeEditProperties*>(&source);
    if (!time || time == this) {
        TcxCustomSpinEditProperties::Assign(source);
        return;
    }
    Updating([&] {
        TcxCustomSpinEditProperties::Assign(source);
        SetAutoCorrectHours(time->autoCorrectHours_);
        SetShowDate(time->showDate_);
        SetTimeFormat(time->timeFormat_);
        SetUse24HourFormat(time->use24HourFormat_);
        SetUseTimeFormatWhenUnfocused(time->useTimeFormatWhenUnfocused_);
    });
}

TcxMaskEditModeClass TcxCustomTimeEditProperties::GetModeClass(TcxEditMaskKind) const
{
    return &MakeTimeMode;
}

bool TcxCustomTimeEditProperties::IsEditValueValid(Variant& value, bool) const
{
    if (VarIsStr(value)) {
        const std::optional<std::string> text = CheckText(VarToStr(value));
        if (text)
            value = Variant(*text);
        return text.has_value();
    }
    return value.IsNull() || VarIsDateTime(value) || VarIsNumber(value);
}

void TcxCustomTimeEditProperties::ValueToDisplayValue(const Variant& value, Variant& displayValue,
                                                      bool editing) const
{
    std::optional<std::string> text =
        cxTimeValueToText(value, Display(editing), SystemClock().Now(), FormatSettings());
    if (!text)
        throw EConvertError(cxGetResourceText(cxSCouldNotConvertToTime));
    // An empty text shows through the mask, except in 12-hour mode.
    if (text->empty() && use24HourFormat_ && IsMasked())
        text = DisplayMode().ApplyMask(*text, true);
    displayValue = Variant(*text);
}

void TcxCustomTimeEditProperties::ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit,
                                                bool& error)
{
    if (errorText.empty())
        errorText = cxGetResourceText(cxSCouldNotConvertToTime);
    TcxCustomEditProperties::ValidateValue(value, errorText, edit, error);
}

Variant TcxCustomTimeEditProperties::GetEmptyValue() const
{
    return Variant(cxFormatTimeValue(0, Display(true), FormatSettings()));
}

const TcxClass* TcxCustomTimeEditProperties::GetEditClass() const
{
    return &cxTimeEditClass;
}

std::unique_ptr<TcxCustomEditProperties> TcxCustomTimeEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxCustomTimeEditProperties>(nullptr);
}

std::unique_ptr<TcxCustomEditProperties> TcxTimeEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxTimeEditProperties>(nullptr);
}

// Form text

namespace {

constexpr TEnumName<TcxTimeEditTimeFormat> kTimeFormats[] = {
    {"tfHourMinSec", tfHourMinSec},
    {"tfHourMin", tfHourMin},
    {"tfHour", tfHour},
};

} // namespace

const TPropertyTable& TcxCustomTimeEditProperties::Properties() const
{
    using P = TcxCustomTimeEditProperties;
    static const TPropertyTable table = TPropertyTable::Of<P>(TcxCustomSpinEditProperties::Properties(), {
        {"AutoCorrectHours", [](P& p, const TPropertyValue& v) { p.SetAutoCorrectHours(v.Bool()); }},
        {"ShowDate", [](P& p, const TPropertyValue& v) { p.SetShowDate(v.Bool()); }},
        {"TimeFormat", [](P& p, const TPropertyValue& v) { p.SetTimeFormat(v.Enum(kTimeFormats)); }},
        {"Use24HourFormat", [](P& p, const TPropertyValue& v) { p.SetUse24HourFormat(v.Bool()); }},
        {"UseTimeFormatWhenUnfocused",
         [](P& p, const TPropertyValue& v) { p.SetUseTimeFormatWhenUnfocused(v.Bool()); }},
    });
    return table;
}
