#include "editors/edit/styles/cxeditstyle.h"

#include <iterator>

#include "editors/edit/styles/cxstylecontainer.h"

namespace {

const char* const kEditStyleValueNames[] = {"ButtonStyle",     "ButtonTransparency", "PopupBorderStyle",
                                            "GradientButtons", "Gradient",           "GradientDirection"};
static_assert(std::size(kEditStyleValueNames) == cxEditStyleValueCount - svButtonStyle);

} // namespace

TcxCustomEditStyle::TcxCustomEditStyle(TPersistent* owner, TcxContainerStyleState state,
                                       TcxContainerStyle* parentStyle, bool directAccess)
    : TcxContainerStyle(owner, state, parentStyle, directAccess)
{
}

std::unique_ptr<TcxContainerStyle> TcxCustomEditStyle::Create(TPersistent* owner, TcxContainerStyleState state,
                                                              TcxContainerStyle* parentStyle, bool directAccess)
{
    return std::make_unique<TcxCustomEditStyle>(owner, state, parentStyle, directAccess);
}

std::unique_ptr<TcxContainerStyle> TcxEditStyle::Create(TPersistent* owner, TcxContainerStyleState state,
                                                        TcxContainerStyle* parentStyle, bool directAccess)
{
    return std::make_unique<TcxEditStyle>(owner, state, parentStyle, directAccess);
}

bool TcxCustomEditStyle::StyleValueName(TcxContainerStyleValue index, std::string& name) const
{
    if (index < svButtonStyle)
        return TcxContainerStyle::StyleValueName(index, name);
    if (index >= cxEditStyleValueCount)
        return false;
    name = kEditStyleValueNames[index - svButtonStyle];
    return true;
}

TcxStyleController* TcxCustomEditStyle::GetFallbackController() const
{
    // An editor in place takes its look from the control it edits in.
    if (IcxStyleContainer* container = Container(); container && container->RunsInplace())
        return nullptr;
    return TcxContainerStyle::GetFallbackController();
}

template <class T>
T TcxCustomEditStyle::Read(TcxContainerStyleValue value, T TcxCustomEditStyle::*field,
                           T (TcxCustomEditStyle::*getter)() const, T defaultValue) const
{
    if (DirectAccessMode()) {
        if (IsOwnValue(value))
            return this->*field;
    } else if (auto* style = dynamic_cast<const TcxCustomEditStyle*>(ProvidingStyle(value))) {
        // A plain container style provides none of these.
        return style->*field;
    }
    return IsBaseStyle() ? defaultValue : (Base().*getter)();
}

template <class T>
void TcxCustomEditStyle::Write(TcxContainerStyleValue value, T TcxCustomEditStyle::*field, const T& newValue)
{
    this->*field = newValue;
    MarkAssigned(value);
}

TcxEditButtonStyle TcxCustomEditStyle::ButtonStyle() const
{
    return Read(svButtonStyle, &TcxCustomEditStyle::buttonStyle_, &TcxCustomEditStyle::ButtonStyle, btsDefault);
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle value)
{
    Write(svButtonStyle, &TcxCustomEditStyle::buttonStyle_, value);
}

TcxEditButtonTransparency TcxCustomEditStyle::ButtonTransparency() const
{
    return Read(svButtonTransparency, &TcxCustomEditStyle::buttonTransparency_,
                &TcxCustomEditStyle::ButtonTransparency, ebtNone);
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency value)
{
    Base().Write(svButtonTransparency, &TcxCustomEditStyle::buttonTransparency_, value);
}

TcxEditPopupBorderStyle TcxCustomEditStyle::PopupBorderStyle() const
{
    return Read(svPopupBorderStyle, &TcxCustomEditStyle::popupBorderStyle_, &TcxCustomEditStyle::PopupBorderStyle,
                epbsDefault);
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle value)
{
    Write(svPopupBorderStyle, &TcxCustomEditStyle::popupBorderStyle_, value);
}

bool TcxCustomEditStyle::GradientButtons() const
{
    return Read(svGradientButtons, &TcxCustomEditStyle::gradientButtons_, &TcxCustomEditStyle::GradientButtons,
                false);
}

void TcxCustomEditStyle::SetGradientButtons(bool value)
{
    Write(svGradientButtons, &TcxCustomEditStyle::gradientButtons_, value);
}

bool TcxCustomEditStyle::Gradient() const
{
    return Read(svGradient, &TcxCustomEditStyle::gradient_, &TcxCustomEditStyle::Gradient, false);
}

void TcxCustomEditStyle::SetGradient(bool value)
{
    Base().Write(svGradient, &TcxCustomEditStyle::gradient_, value);
}

TcxEditGradientDirection TcxCustomEditStyle::GradientDirection() const
{
    return Read(svGradientDirection, &TcxCustomEditStyle::gradientDirection_, &TcxCustomEditStyle::GradientDirection,
                dirDown);
}

void TcxCustomEditStyle::SetGradientDirection(TcxEditGradientDirection value)
{
    Base().Write(svGradientDirection, &TcxCustomEditStyle::gradientDirection_, value);
}

void TcxCustomEditStyle::Assign(const TPersistent& source)
{
    auto* style = dynamic_cast<const TcxCustomEditStyle*>(&source);
    if (!style) {
        TcxContainerStyle::Assign(source);
        return;
    }
    LockChanges();
    buttonStyle_ = style->buttonStyle_;
    buttonTransparency_ = style->buttonTransparency_;
    popupBorderStyle_ = style->popupBorderStyle_;
    gradientButtons_ = style->gradientButtons_;
    gradient_ = style->gradient_;
    gradientDirection_ = style->gradientDirection_;
    TcxContainerStyle::Assign(source);
    UnlockChanges();
}
