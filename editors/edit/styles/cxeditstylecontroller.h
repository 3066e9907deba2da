// A form component holding four editor styles for editors to share; the
// cxEdit unit makes the default one, which editors use without their own.
#pragma once

#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/styles/cxstylecontroller.h"

class TcxEditStyleController : public TcxStyleController {
public:
    explicit TcxEditStyleController(TComponent* owner = nullptr);

    // The styles of the states normal, focused, disabled and hot; setting
    // one copies the value into it.
    TcxEditStyle& Style() const { return StyleOf(cssNormal); }
    void SetStyle(const TcxEditStyle& value) { Style().Assign(value); }
    TcxEditStyle& StyleFocused() const { return StyleOf(cssFocused); }
    void SetStyleFocused(const TcxEditStyle& value) { StyleFocused().Assign(value); }
    TcxEditStyle& StyleDisabled() const { return StyleOf(cssDisabled); }
    void SetStyleDisabled(const TcxEditStyle& value) { StyleDisabled().Assign(value); }
    TcxEditStyle& StyleHot() const { return StyleOf(cssHot); }
    void SetStyleHot(const TcxEditStyle& value) { StyleHot().Assign(value); }

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;

private:
    TcxEditStyle& StyleOf(TcxContainerStyleState state) const
    {
        return static_cast<TcxEditStyle&>(Styles().Style(state));
    }
};
