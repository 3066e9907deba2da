// The masked editor's making, its mode and the properties that choose it,
// and its values shown through the mask.
#include "editors/controls/mask/cxmaskedit.h"

#include "classlib/handlercall.h"
#include "classlib/liveness.h"
#include "classlib/propertytable.h"
#include "editors/controls/mask/cxmaskeditinnerport.h"
#include "editors/edit/editor/cxeditlocks.h"

const TcxEditKind cxCustomMaskEditKind =
    cxEditKindOf<TcxCustomMaskEditProperties>(&TcxCustomInnerTextEdit::Create);
const TcxEditKind cxMaskEditKind = cxEditKindOf<TcxMaskEditProperties>(&TcxCustomInnerTextEdit::Create);

const TcxClass cxMaskEditClass{"TcxMaskEdit", &cxCustomEditClass,
                               []() -> std::unique_ptr<TComponent> { return std::make_unique<TcxMaskEdit>(); }};

namespace {

std::string TextOf(const Variant& value)
{
    return VarIsNull(value) || VarIsEmpty(value) ? std::string() : VarToStr(value);
}

} // namespace

TcxCustomMaskEdit::TcxCustomMaskEdit(TComponent* owner, bool inPlace)
    : TcxCustomMaskEdit(owner, inPlace, cxCustomMaskEditKind)
{
}

TcxCustomMaskEdit::TcxCustomMaskEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind)
    : TcxCustomTextEdit(owner, inPlace, kind)
{
    InitMaskEdit();
}

// The properties were applied before this class existed: the mode they
// ask for is made now.
void TcxCustomMaskEdit::InitMaskEdit()
{
    port_ = std::make_unique<TInnerEditPort>(*this);
    mode_ = ActiveProperties().CreateMode(emkStandard, port_.get(), {});
    modeKind_ = emkStandard;
    if (IsMasked() || ActiveProperties().MaskKind() != emkStandard)
        RecreateMode();
}

TcxCustomMaskEdit::~TcxCustomMaskEdit()
{
    // The text editor's going may still show texts: no mode hears of them.
    mode_.reset();
}

TcxMaskEdit::TcxMaskEdit(TComponent* owner, bool inPlace) : TcxCustomMaskEdit(owner, inPlace, cxMaskEditKind) {}

const TPropertyTable& TcxMaskEdit::Properties() const
{
    using E = TcxMaskEdit;
    static const TPropertyTable table = TPropertyTable::Of<E>(TcxCustomMaskEdit::Properties(), {
        {"BeepOnEnter", [](E& e, const TPropertyValue& v) { e.SetBeepOnEnter(v.Bool()); }},
        {"Text", [](E& e, const TPropertyValue& v) { e.SetText(v.Text()); }},
    });
    return table;
}

TPersistent* TcxMaskEdit::NestedObject(std::string_view name)
{
    if (name == "Properties")
        return &EditProperties();
    return TcxCustomMaskEdit::NestedObject(name);
}

TcxMaskEditPort& TcxCustomMaskEdit::Port() const
{
    return *port_;
}

bool TcxCustomMaskEdit::IsMasked() const
{
    return mode_ && ActiveProperties().IsMasked();
}

bool TcxCustomMaskEdit::ShiftDown() const
{
    return port_ && port_->ShiftDown;
}

bool TcxCustomMaskEdit::IsCharValidAt(char&, int)
{
    return true;
}

void TcxCustomMaskEdit::ErrorBeep()
{
    MessageBeep(MB_OK);
    CallHandler(OnErrorBeep);
}

void TcxCustomMaskEdit::RefreshModeOptions()
{
    if (mode_)
        mode_->SetOptions(ActiveProperties().ModeOptions());
}

void TcxCustomMaskEdit::RefreshValueText()
{
    const std::string text = GetDisplayText();
    valueText_ = IsMasked() ? mode_->GetValueTextOf(text, true) : text;
}

// Properties

void TcxCustomMaskEdit::RecreateMode()
{
    TcxCustomMaskEditProperties& p = ActiveProperties();
    // Made before the old one goes: a mask that does not compile leaves the editor as it was.
    std::unique_ptr<TcxMaskEditCustomMode> mode = p.CreateMode(p.MaskKind(), port_.get(), p.EffectiveEditMask());
    mode_ = std::move(mode);
    modeKind_ = p.MaskKind();
}

void TcxCustomMaskEdit::ApplyProperties(TcxCustomEditProperties& properties)
{
    if (!mode_) {
        TcxCustomTextEdit::ApplyProperties(properties);
        return;
    }
    const TLiveness alive = Liveness();
    // A shown text's change handlers run once the mode is in step again.
    TcxEditChangeEventsLock events(*this);
    TcxCustomMaskEditProperties& p = ActiveProperties();
    const std::string mask = p.EffectiveEditMask();
    if (p.MaskKind() != modeKind_ || p.CaseInsensitive() != mode_->Options().CaseInsensitive) {
        RecreateMode();
        if (!mode_->IsMaskAbsent())
            mode_->SyncDisplay();
    } else if (mask != mode_->EditMask()) {
        mode_->SetModeMask(mask);
        if (!mode_->IsMaskAbsent())
            mode_->SyncDisplay();
        else if (modeKind_ == emkStandard && SelectionLength() == 1)
            SetSelectionLength(0);
    }
    if (!alive)
        return;
    if (p.CharCase() != mode_->Options().CharCase) {
        mode_->SetCharCase(p.CharCase());
        if (p.CharCase() == TEditCharCase::ecNormal) {
            if (IcxInnerTextEdit* inner = InnerTextEdit())
                inner->SetCharCase(TEditCharCase::ecNormal);
            mode_->SyncDisplay();
        }
    }
    if (!alive)
        return;
    RefreshModeOptions();
    events.Release();
    if (!alive)
        return;
    if (!HandleAllocated()) {
        TcxCustomTextEdit::ApplyProperties(properties);
        return;
    }
    const int start = SelectionStart();
    const int length = SelectionLength();
    TcxCustomTextEdit::ApplyProperties(properties);
    if (alive)
        SelectRange(start, length);
}

// Shown text and value

void TcxCustomMaskEdit::ApplyDisplayValue(const Variant& value)
{
    if (!IsMasked() || (ComponentState() & csLoading)) {
        TcxCustomTextEdit::ApplyDisplayValue(value);
        return;
    }
    const std::string text = TextOf(value);
    const bool laid =
        Focused() || modeKind_ != emkStandard || ActiveProperties().AlwaysShowBlanksAndLiterals();
    const std::string shown = laid ? mode_->ApplyMask(text, true) : mode_->GetValueTextOf(text, true);
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::ApplyDisplayValue(Variant(shown));
    if (alive && mode_)
        mode_->SetModeText(GetDisplayText());
}

void TcxCustomMaskEdit::UpdateDisplay()
{
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::UpdateDisplay();
    if (alive && IsMasked() && !synchronizingDisplay_)
        mode_->SetModeText(GetDisplayText());
}

void TcxCustomMaskEdit::Redisplay()
{
    if (!IsMasked())
        return;
    if (ModifiedSinceFocus()) {
        ShowDisplayValue(Variant(mode_->ApplyMask(GetDisplayText(), true)));
        return;
    }
    Variant displayValue;
    ValueToDisplayValue(GetEditValue(), displayValue, Focused());
    ShowDisplayValue(displayValue);
}

void TcxCustomMaskEdit::ContentChanged()
{
    RefreshValueText();
    TcxCustomTextEdit::ContentChanged();
}

void TcxCustomMaskEdit::PrepareEditValue(const Variant& displayValue, Variant& editValue, bool editFocused)
{
    if (!IsMasked()) {
        TcxCustomTextEdit::PrepareEditValue(displayValue, editValue, editFocused);
        return;
    }
    editValue = Variant(mode_->GetValueTextOf(TextOf(displayValue), true));
}

void TcxCustomMaskEdit::SetText(const std::string& value)
{
    if (!IsMasked()) {
        TcxCustomTextEdit::SetText(value);
        return;
    }
    const TLiveness alive = Liveness();
    TcxEditChangeEventsLock events(*this);
    SetEditValueChecked(Variant(value));
    if (!alive)
        return;
    RefreshValueText();
    SetEditValueChecked(Variant(valueText_));
    if (alive)
        events.Release();
}

bool TcxCustomMaskEdit::TextFromSetText(const std::string& text)
{
    if (!IsMasked())
        return TcxCustomTextEdit::TextFromSetText(text);
    SetText(text);
    return true;
}

void TcxCustomMaskEdit::Loaded()
{
    const TLiveness alive = Liveness();
    TcxCustomTextEdit::Loaded();
    if (!alive || !IsMasked())
        return;
    TcxEditChangeEventsLock events(*this);
    ApplyDisplayValue(Variant(GetDisplayText()));
    if (alive)
        events.Release(false);
}
