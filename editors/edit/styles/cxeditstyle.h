// An editor's state style: the container style's ten values and six of its
// own for the buttons, the popup border and the gradient, each looked up
// the same way: set here, else set in the same state's style of the linked
// controller (and on), else the normal style's value for a state style or
// the default for the normal style. Without a controller of its own, an
// editor that is not in place uses the default edit style controller.
#pragma once

#include <memory>

#include "editors/edit/styles/cxcontainerstyle.h"
#include "editors/edit/styles/cxeditstyletypes.h"

class TcxCustomEditStyle : public TcxContainerStyle {
public:
    TcxCustomEditStyle(TPersistent* owner, TcxContainerStyleState state, TcxContainerStyle* parentStyle,
                       bool directAccess);
    static std::unique_ptr<TcxContainerStyle> Create(TPersistent* owner, TcxContainerStyleState state,
                                                     TcxContainerStyle* parentStyle, bool directAccess);

    // From an editor style the six values and the container's, as one
    // change; from another container style the container's only.
    void Assign(const TPersistent& source) override;

    TcxEditButtonStyle ButtonStyle() const;
    void SetButtonStyle(TcxEditButtonStyle value);
    // A state style sets it on the normal style.
    TcxEditButtonTransparency ButtonTransparency() const;
    void SetButtonTransparency(TcxEditButtonTransparency value);
    TcxEditPopupBorderStyle PopupBorderStyle() const;
    void SetPopupBorderStyle(TcxEditPopupBorderStyle value);
    bool GradientButtons() const;
    void SetGradientButtons(bool value);
    // A state style sets it on the normal style.
    bool Gradient() const;
    void SetGradient(bool value);
    // A state style sets it on the normal style.
    TcxEditGradientDirection GradientDirection() const;
    void SetGradientDirection(TcxEditGradientDirection value);
    bool PopupCloseButton() const { return popupCloseButton_; }
    void SetPopupCloseButton(bool value) { popupCloseButton_ = value; }

    TcxStyleController* GetFallbackController() const override;
    TcxContainerStyleValues StateHiddenValues() const override { return cxEditStateHiddenValues; }
    int StyleValueCount() const override { return cxEditStyleValueCount; }
    bool StyleValueName(TcxContainerStyleValue index, std::string& name) const override;

protected:
    const TcxCustomEditStyle& Base() const { return static_cast<const TcxCustomEditStyle&>(BaseStyle()); }
    TcxCustomEditStyle& Base() { return static_cast<TcxCustomEditStyle&>(BaseStyle()); }

private:
    // The value set here or in the lookup chain; else the normal style's
    // for a state style, else the default. Direct access: own or default.
    template <class T>
    T Read(TcxContainerStyleValue value, T TcxCustomEditStyle::*field, T (TcxCustomEditStyle::*getter)() const,
           T defaultValue) const;
    template <class T>
    void Write(TcxContainerStyleValue value, T TcxCustomEditStyle::*field, const T& newValue);

    TcxEditButtonStyle buttonStyle_ = btsDefault;
    TcxEditButtonTransparency buttonTransparency_ = ebtNone;
    TcxEditPopupBorderStyle popupBorderStyle_ = epbsDefault;
    bool gradientButtons_ = false;
    bool gradient_ = false;
    TcxEditGradientDirection gradientDirection_ = dirDown;
    bool popupCloseButton_ = true;
};

// The editor style with its values in form text.
class TcxEditStyle : public TcxCustomEditStyle {
public:
    using TcxCustomEditStyle::TcxCustomEditStyle;
    static std::unique_ptr<TcxContainerStyle> Create(TPersistent* owner, TcxContainerStyleState state,
                                                     TcxContainerStyle* parentStyle, bool directAccess);

protected:
    const TPropertyTable& Properties() const override;
};
