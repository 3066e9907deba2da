// The time editor's making, its value and time of day, its text and steps.
#include "editors/controls/time/cxtimeedit.h"

#include <cmath>

#include "classlib/formatsettings.h"
#include "classlib/liveness.h"
#include "classlib/propertytable.h"
#include "editors/controls/time/cxtimestep.h"
#include "editors/controls/time/cxtimetext.h"
#include "editors/controls/time/cxtimetyping.h"

const TcxEditKind cxCustomTimeEditKind =
    cxEditKindOf<TcxCustomTimeEditProperties>(&TcxCustomInnerTextEdit::Create);
const TcxEditKind cxTimeEditKind = cxEditKindOf<TcxTimeEditProperties>(&TcxCustomInnerTextEdit::Create);

const TcxClass cxTimeEditClass{"TcxTimeEdit", &cxCustomEditClass,
                               []() -> std::unique_ptr<TComponent> { return std::make_unique<TcxTimeEdit>(); }};

namespace {

constexpr double kSecondsPerDay = 86400;

std::string TextOf(const Variant& value)
{
    return value.IsNull() || value.IsEmpty() ? std::string() : VarToStr(value);
}

} // namespace

TcxCustomTimeEdit::TcxCustomTimeEdit(TComponent* owner, bool inPlace)
    : TcxCustomTimeEdit(owner, inPlace, cxCustomTimeEditKind)
{
}

TcxCustomTimeEdit::TcxCustomTimeEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind)
    : TcxCustomSpinEdit(owner, inPlace, kind)
{
}

TcxTimeEdit::TcxTimeEdit(TComponent* owner, bool inPlace) : TcxCustomTimeEdit(owner, inPlace, cxTimeEditKind) {}

const TPropertyTable& TcxTimeEdit::Properties() const
{
    using E = TcxTimeEdit;
    static const TPropertyTable table = TPropertyTable::Of<E>(TcxCustomTimeEdit::Properties(), {
        {"BeepOnEnter", [](E& e, const TPropertyValue& v) { e.SetBeepOnEnter(v.Bool()); }},
        // A number here is a date-time.
        {"EditValue", [](E& e, const TPropertyValue& v) { e.SetEditValue(Variant::FromDateTime(v.Float())); }},
    });
    return table;
}

TPersistent* TcxTimeEdit::NestedObject(std::string_view name)
{
    if (name == "Properties")
        return &EditProperties();
    return TcxCustomTimeEdit::NestedObject(name);
}

// Value and time of day

double TcxCustomTimeEdit::TextToValue(const std::string& text) const
{
    return cxTimeTextToValue(text, ActiveProperties().Format(), datePart_, FormatSettings());
}

TDateTime TcxCustomTimeEdit::Time() const
{
    if (Focused())
        return cxTimeOfDay(TextToValue(GetDisplayText()));
    return cxTimeOfEditValue(GetEditValue(), FormatSettings());
}

void TcxCustomTimeEdit::SetTime(TDateTime value)
{
    // A time of day that is no number is midnight.
    const double time = std::isfinite(value) ? value : 0;
    SetEditValueChecked(Variant::FromDateTime(cxComposeTimeValue(datePart_, time)));
}

void TcxCustomTimeEdit::StoreEditValue(const Variant& value)
{
    datePart_ = cxTimeDatePartOf(value, FormatSettings());
    TcxCustomSpinEdit::StoreEditValue(value);
}

Variant TcxCustomTimeEdit::GetEditingValue() const
{
    return cxTimeEditValueOf(TextToValue(GetDisplayText()));
}

void TcxCustomTimeEdit::PrepareEditValue(const Variant& displayValue, Variant& editValue, bool)
{
    editValue = cxTimeEditValueOf(TextToValue(TextOf(displayValue)));
}

void TcxCustomTimeEdit::ClearValue()
{
    SetTime(0);
}

// Shown text

void TcxCustomTimeEdit::ApplyDisplayValue(const Variant& value)
{
    // In 12-hour mode the mask would fill an empty text with zeros and blanks.
    if (ActiveProperties().Use24HourFormat() || !TextOf(value).empty())
        TcxCustomSpinEdit::ApplyDisplayValue(value);
    else
        TcxCustomTextEdit::ApplyDisplayValue(value);
}

void TcxCustomTimeEdit::ShowText(const std::string& text)
{
    const bool laid = IsMasked() && (ActiveProperties().Use24HourFormat() || !text.empty());
    const TLiveness alive = Liveness();
    ShowDisplayValue(Variant(laid ? Mode()->ApplyMask(text, true) : text));
    if (alive && IsMasked())
        Mode()->SetModeText(GetDisplayText());
}

void TcxCustomTimeEdit::SetText(const std::string& value)
{
    if (const std::optional<std::string> text = ActiveProperties().CheckText(value))
        ShowText(*text);
}

bool TcxCustomTimeEdit::TextFromSetText(const std::string& text)
{
    const std::optional<std::string> checked = ActiveProperties().CheckText(text);
    if (checked)
        ShowText(*checked);
    return checked.has_value();
}

bool TcxCustomTimeEdit::IsCharValidAt(char& key, int position)
{
    return cxTimeCheckTypedChar(Port(), key, position, ActiveProperties().Format(), FormatSettings());
}

void TcxCustomTimeEdit::ApplyProperties(TcxCustomEditProperties& properties)
{
    const TLiveness alive = Liveness();
    if (!Focused())
        UpdateDisplay();
    if (alive && HandleAllocated())
        SelectRange(static_cast<int>(GetDisplayText().size()), 0);
    if (alive)
        TcxCustomSpinEdit::ApplyProperties(properties);
}

// Steps

TcxTimeItemKind TcxCustomTimeEdit::CaretItem() const
{
    return cxGetTimeItemAt(SelectionStart() + 1, ActiveProperties().Format(), ActiveProperties().MaxLength());
}

Variant TcxCustomTimeEdit::GetSpinValue()
{
    const std::optional<int> seconds =
        cxTimeTextToSeconds(GetDisplayText(), ActiveProperties().Format(), FormatSettings());
    return seconds ? Variant(static_cast<double>(*seconds)) : Variant::Null();
}

double TcxCustomTimeEdit::GetIncrement(TcxSpinButtonKind kind) const
{
    const std::optional<int> seconds =
        cxTimeTextToSeconds(GetDisplayText(), ActiveProperties().Format(), FormatSettings());
    return cxTimeIncrement(kind, CaretItem(), seconds.value_or(0));
}

std::string TcxCustomTimeEdit::SpinValueToText(const Variant& value) const
{
    if (value.IsNull() || value.IsEmpty())
        return {};
    Variant displayValue;
    ActiveProperties().ValueToDisplayValue(Variant(value.ToDouble() / kSecondsPerDay), displayValue, Focused());
    return TextOf(displayValue);
}

void TcxCustomTimeEdit::SetSpinValue(const Variant& value)
{
    if (value.IsNull() || value.IsEmpty())
        return;
    if (!Focused()) {
        SetTime(value.ToDouble() / kSecondsPerDay);
        return;
    }
    // Shown as the user's text: the edit value follows on validation.
    const TLiveness alive = Liveness();
    TFlagScope keyboard(alive, keyboardAction_);
    ApplyDisplayValue(Variant(SpinValueToText(value)));
}

bool TcxCustomTimeEdit::DoIncrement(TcxSpinButtonKind kind)
{
    TcxCustomTimeEditProperties& p = ActiveProperties();
    // The selection afterwards comes from the text before the step.
    const std::optional<TcxTimeStep> step =
        cxTimeStep(GetDisplayText(), SelectionStart(), kind, p.Format(), p.Circular(), FormatSettings());
    if (!step)
        return false;
    const TLiveness alive = Liveness();
    const bool changed = TcxCustomSpinEdit::DoIncrement(kind);
    if (alive && HandleAllocated())
        SelectRange(step->SelStart, step->SelLength);
    return changed;
}
