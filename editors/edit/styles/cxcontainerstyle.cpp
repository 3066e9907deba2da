#include "editors/edit/styles/cxcontainerstyle.h"

#include "classlib/liveness.h"
#include "editors/edit/styles/cxcontainerstyles.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"
#include "editors/edit/styles/cxstylecontainer.h"
#include "editors/edit/styles/cxstylecontroller.h"

namespace {

// The values a direct-access style starts with set.
constexpr TcxContainerStyleValues kDirectAccessValues =
    cxStyleValueBit(svColor) | cxStyleValueBit(svFont) | cxStyleValueBit(svTextColor) | cxStyleValueBit(svTextStyle);

// The normal style's border style for each look-and-feel kind.
constexpr TcxContainerBorderStyle kBorderStyleOfKind[] = {cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};

// A state style's default border style: a row per state, a column per
// border style of the normal style.
constexpr TcxContainerBorderStyle kStateBorderStyles[cxContainerStyleStateCount][7] = {
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
};

} // namespace

TcxContainerStyle::TcxContainerStyle(TPersistent* owner, TcxContainerStyleState state, TcxContainerStyle* parentStyle,
                                     bool directAccess)
    : TcxInterfacedPersistent(owner), directAccess_(directAccess), state_(state), parentStyle_(parentStyle)
{
    if (directAccess_)
        assigned_ = kDirectAccessValues;
    if (!IsBaseStyle())
        return;
    if (!directAccess_) {
        ownFont_ = std::make_unique<TFont>(this);
        ownFont_->OnChange = [this] { FontChangeHandler(); };
        font_ = ownFont_.get();
    }
    lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { NotifyChanged(); };
    if (Container())
        SetStyleController(GetFallbackController());
}

TcxContainerStyle::~TcxContainerStyle()
{
    destroying_ = true;
    if (IsBaseStyle() && controller_)
        controller_->Unsubscribe(this);
    if (lookAndFeel_)
        lookAndFeel_->OnChanged = nullptr;
    if (ownFont_)
        ownFont_->OnChange = nullptr;
}

std::unique_ptr<TcxContainerStyle> TcxContainerStyle::Create(TPersistent* owner, TcxContainerStyleState state,
                                                             TcxContainerStyle* parentStyle, bool directAccess)
{
    return std::make_unique<TcxContainerStyle>(owner, state, parentStyle, directAccess);
}

IcxStyleContainer* TcxContainerStyle::Container() const
{
    return dynamic_cast<IcxStyleContainer*>(GetOwner());
}

TcxStyleController* TcxContainerStyle::OwningController() const
{
    return dynamic_cast<TcxStyleController*>(GetOwner());
}

// Values

const TcxContainerStyle* TcxContainerStyle::ProvidingStyle(TcxContainerStyleValue value) const
{
    // Links that would close a circle are refused, so the chain ends.
    for (const TcxContainerStyle* style = this; style;) {
        if (style->IsOwnValue(value))
            return style;
        TcxStyleController* controller = style->LinkedController();
        style = controller ? &controller->Styles().Style(style->state_) : nullptr;
    }
    return nullptr;
}

template <class T, class F>
T TcxContainerStyle::Read(TcxContainerStyleValue value, T TcxContainerStyle::*field, F fallback,
                          std::optional<T> direct) const
{
    if (directAccess_) {
        if (direct)
            return *direct;
        return IsOwnValue(value) ? this->*field : (this->*fallback)();
    }
    if (const TcxContainerStyle* style = ProvidingStyle(value))
        return style->*field;
    return (this->*fallback)();
}

bool TcxContainerStyle::IsValueProvided(TcxContainerStyleValue index) const
{
    return index >= svBorderColor && index <= svTextStyle && ProvidingStyle(index);
}

TcxContainerStyleValues TcxContainerStyle::AssignedValues() const
{
    if (directAccess_)
        return (TcxContainerStyleValues{1} << StyleValueCount()) - 1;
    return assigned_;
}

TColor TcxContainerStyle::BorderColor() const
{
    return Read(svBorderColor, &TcxContainerStyle::borderColor_, &TcxContainerStyle::FallbackBorderColor,
                std::optional(clDefault));
}

TcxContainerBorderStyle TcxContainerStyle::BorderStyle() const
{
    return Read(svBorderStyle, &TcxContainerStyle::borderStyle_, &TcxContainerStyle::FallbackBorderStyle, {});
}

TcxBorders TcxContainerStyle::Edges() const
{
    return BaseStyle().Read(svEdges, &TcxContainerStyle::edges_, &TcxContainerStyle::FallbackEdges,
                            std::optional<TcxBorders>(0));
}

TFont* TcxContainerStyle::Font() const
{
    return BaseStyle().font_;
}

bool TcxContainerStyle::HotTrack() const
{
    return BaseStyle().Read(svHotTrack, &TcxContainerStyle::hotTrack_, &TcxContainerStyle::FallbackHotTrack, {});
}

TcxLookAndFeel& TcxContainerStyle::LookAndFeel() const
{
    return *BaseStyle().lookAndFeel_;
}

bool TcxContainerStyle::Shadow() const
{
    return BaseStyle().Read(svShadow, &TcxContainerStyle::shadow_, &TcxContainerStyle::FallbackShadow,
                            std::optional(false));
}

bool TcxContainerStyle::TransparentBorder() const
{
    return BaseStyle().Read(svTransparentBorder, &TcxContainerStyle::transparentBorder_,
                            &TcxContainerStyle::FallbackTransparentBorder, std::optional(true));
}

std::optional<TColor> TcxContainerStyle::ParentColorTaken(bool forControl) const
{
    IcxStyleContainer* container = Container();
    if (!IsBaseStyle() || !container || !container->ParentColor() || (forControl && container->RunsInplace()))
        return std::nullopt;
    return container->ParentControlColor();
}

TColor TcxContainerStyle::ReadColor() const
{
    if (auto parentColor = directAccess_ ? std::nullopt : ParentColorTaken(false))
        return *parentColor;
    return Read(svColor, &TcxContainerStyle::color_, &TcxContainerStyle::FallbackColor, std::optional(color_));
}

TColor TcxContainerStyle::ColorForControl() const
{
    if (directAccess_)
        return color_;
    if (const TcxContainerStyle* style = ProvidingStyle(svColor))
        return style->color_;
    return ParentColorTaken(true).value_or(FallbackColor());
}

TColor TcxContainerStyle::ReadTextColor() const
{
    return Read(svTextColor, &TcxContainerStyle::textColor_, &TcxContainerStyle::FallbackTextColor,
                std::optional(textColor_));
}

TFontStyles TcxContainerStyle::ReadTextStyle() const
{
    return Read(svTextStyle, &TcxContainerStyle::textStyle_, &TcxContainerStyle::FallbackTextStyle,
                std::optional<TFontStyles>(font_ ? font_->Style() : 0));
}

const TFont& TcxContainerStyle::VisibleFont() const
{
    const TFont defaults;
    visibleFont_.Assign(Font() ? *Font() : defaults);
    visibleFont_.SetColor(TextColor());
    visibleFont_.SetStyle(TextStyle());
    return visibleFont_;
}

// Fallbacks

TColor TcxContainerStyle::FallbackBorderColor() const
{
    if (state_ == cssDisabled)
        return clBtnShadow;
    return IsBaseStyle() ? clWindowFrame : parentStyle_->BorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::FallbackBorderStyle() const
{
    if (IsBaseStyle())
        return kBorderStyleOfKind[LookAndFeel().GetKind()];
    const bool byState = parentStyle_->HotTrack() || state_ == cssDisabled;
    return kStateBorderStyles[byState ? state_ : cssNormal][parentStyle_->BorderStyle()];
}

TColor TcxContainerStyle::FallbackColor() const
{
    IcxStyleContainer* container = Container();
    const bool panelLike = !container || container->DefaultsToParentColor();
    if (IsBaseStyle())
        return panelLike ? clBtnFace : clWindow;
    if (state_ == cssDisabled && !panelLike)
        return clBtnFace;
    return parentStyle_->Color();
}

TColor TcxContainerStyle::FallbackTextColor() const
{
    if (state_ == cssDisabled)
        return clBtnShadow;
    if (!IsBaseStyle())
        return parentStyle_->TextColor();
    return font_ ? font_->Color() : clWindowText;
}

TFontStyles TcxContainerStyle::FallbackTextStyle() const
{
    if (!IsBaseStyle())
        return parentStyle_->TextStyle();
    return font_ ? font_->Style() : 0;
}

// Writing

void TcxContainerStyle::MarkAssigned(TcxContainerStyleValue value)
{
    assigned_ |= cxStyleValueBit(value);
    NotifyChanged();
}

template <class T>
void TcxContainerStyle::Write(TcxContainerStyleValue value, T TcxContainerStyle::*field, const T& newValue,
                              const T& current)
{
    if (IsOwnValue(value) && current == newValue)
        return;
    this->*field = newValue;
    MarkAssigned(value);
}

void TcxContainerStyle::SetBorderColor(TColor value)
{
    Write(svBorderColor, &TcxContainerStyle::borderColor_, value, borderColor_);
}

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle value)
{
    Write(svBorderStyle, &TcxContainerStyle::borderStyle_, value, borderStyle_);
}

void TcxContainerStyle::SetColor(TColor value)
{
    Write(svColor, &TcxContainerStyle::color_, value, color_);
}

void TcxContainerStyle::SetTextColor(TColor value)
{
    Write(svTextColor, &TcxContainerStyle::textColor_, value, TextColor());
}

void TcxContainerStyle::SetTextStyle(TFontStyles value)
{
    Write(svTextStyle, &TcxContainerStyle::textStyle_, value, TextStyle());
}

void TcxContainerStyle::SetEdges(TcxBorders value)
{
    BaseStyle().Write(svEdges, &TcxContainerStyle::edges_, value, BaseStyle().edges_);
}

void TcxContainerStyle::SetHotTrack(bool value)
{
    BaseStyle().Write(svHotTrack, &TcxContainerStyle::hotTrack_, value, BaseStyle().hotTrack_);
}

void TcxContainerStyle::SetShadow(bool value)
{
    BaseStyle().Write(svShadow, &TcxContainerStyle::shadow_, value, BaseStyle().shadow_);
}

void TcxContainerStyle::SetTransparentBorder(bool value)
{
    TcxContainerStyle& base = BaseStyle();
    base.Write(svTransparentBorder, &TcxContainerStyle::transparentBorder_, value, base.transparentBorder_);
}

void TcxContainerStyle::SetFont(TFont* value)
{
    TcxContainerStyle& base = BaseStyle();
    if (base.directAccess_) {
        base.font_ = value;
        base.MarkAssigned(svFont);
        return;
    }
    // The copy's own change event and this one come out as one.
    base.LockChanges();
    if (value)
        base.font_->Assign(*value);
    else
        base.ResetFont();
    base.MarkAssigned(svFont);
    base.UnlockChanges();
}

void TcxContainerStyle::SetLookAndFeel(const TcxLookAndFeel& value)
{
    LookAndFeel().Assign(value);
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues values)
{
    if (assigned_ == values)
        return;
    assigned_ = values;
    BaseStyle().DeriveFont();
    NotifyChanged();
}

void TcxContainerStyle::FontChangeHandler()
{
    if (fontFlagLock_ == 0)
        assigned_ |= cxStyleValueBit(svFont);
    NotifyChanged();
}

void TcxContainerStyle::TakeContainerFont(const TFont& value)
{
    TcxContainerStyle& base = BaseStyle();
    if (base.directAccess_ || !base.font_)
        return;
    const TCountScope lock(base.fontFlagLock_);
    base.font_->Assign(value);
}

void TcxContainerStyle::ResetFont()
{
    const TFont defaults;
    font_->Assign(defaults);
}

void TcxContainerStyle::DeriveFont()
{
    if (!IsBaseStyle() || directAccess_ || IsOwnValue(svFont))
        return;
    const TCountScope lock(fontFlagLock_);
    if (const TcxContainerStyle* provider = ProvidingStyle(svFont))
        font_->Assign(*provider->font_);
    else if (IcxStyleContainer* container = Container(); !container || !container->ParentFont())
        ResetFont();
}

// Change notification

void TcxContainerStyle::NotifyChanged()
{
    modified_ = true;
    if (updateCount_ != 0)
        return;
    modified_ = false;
    if (!destroying_ && !directAccess_ && OnChanged)
        OnChanged(*this);
}

void TcxContainerStyle::UnlockChanges()
{
    if (updateCount_ > 0)
        --updateCount_;
    if (updateCount_ == 0 && modified_)
        NotifyChanged();
}

// Copying and resetting

void TcxContainerStyle::Assign(const TPersistent& source)
{
    auto* style = dynamic_cast<const TcxContainerStyle*>(&source);
    if (!style) {
        TcxInterfacedPersistent::Assign(source);
        return;
    }
    LockChanges();
    if (IsBaseStyle()) {
        SetStyleController(style->StyleController());
        LookAndFeel().Assign(style->LookAndFeel());
    }
    borderColor_ = style->borderColor_;
    borderStyle_ = style->borderStyle_;
    color_ = style->color_;
    edges_ = style->edges_;
    hotTrack_ = style->hotTrack_;
    shadow_ = style->shadow_;
    transparentBorder_ = style->transparentBorder_;
    if (directAccess_) {
        font_ = style->Font();
        textColor_ = style->TextColor();
    } else {
        // Only the base style has a font of its own to copy into.
        if (ownFont_ && style->Font()) {
            ownFont_->Assign(*style->Font());
            if (style->directAccess_)
                ownFont_->SetColor(style->TextColor());
        }
        textColor_ = style->TextColor();
        textStyle_ = style->TextStyle();
    }
    SetAssignedValues(style->AssignedValues());
    NotifyChanged();
    UnlockChanges();
}

void TcxContainerStyle::ResetValues()
{
    LockChanges();
    SetAssignedValues(0);
    if (IsBaseStyle()) {
        LookAndFeel().ClearAssignedValues();
        IcxStyleContainer* container = Container();
        if (container) {
            container->SetParentColor(false);
            container->SetParentFont(true);
        } else if (!directAccess_) {
            ResetFont();
        }
        if (container && container->DefaultsToParentColor()) {
            TcxStyleController* controller = LinkedController();
            if (!controller || !controller->Styles().StyleNormal().IsValueProvided(svColor))
                container->SetParentColor(true);
        }
    }
    UnlockChanges();
}

// Controller link

TcxStyleController* TcxContainerStyle::GetFallbackController() const
{
    return GetDefaultEditStyleController();
}

TcxStyleController* TcxContainerStyle::StyleController() const
{
    TcxStyleController* controller = LinkedController();
    return controller == GetFallbackController() ? nullptr : controller;
}

bool TcxContainerStyle::ChainReaches(TcxStyleController* controller) const
{
    for (; controller; controller = controller->Styles().StyleNormal().LinkedController())
        if (&controller->Styles().StyleNormal() == this)
            return true;
    return false;
}

void TcxContainerStyle::SetStyleController(TcxStyleController* value)
{
    if (!IsBaseStyle()) {
        parentStyle_->SetStyleController(value);
        return;
    }
    TcxStyleController* fallback = GetFallbackController();
    if (fallback && OwningController() == fallback)
        return;
    if (!value)
        value = fallback;
    if (ChainReaches(value))
        return;
    Link(value);
}

void TcxContainerStyle::Link(TcxStyleController* controller)
{
    if (controller == controller_)
        return;
    if (controller_)
        controller_->Unsubscribe(this);
    controller_ = controller;
    if (controller_)
        controller_->Subscribe(this);
    OnControllerChanged(controller_);
}

void TcxContainerStyle::OnControllerChanged(TcxStyleController*)
{
    DeriveFont();
    NotifyChanged();
}

void TcxContainerStyle::OnControllerFreed(TcxStyleController* controller)
{
    if (controller != controller_)
        return;
    // A default controller that is itself going is no fallback.
    TcxStyleController* fallback = GetFallbackController();
    Link(fallback == controller ? nullptr : fallback);
}
