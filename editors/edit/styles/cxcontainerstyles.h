// A container's or controller's four state styles: normal, focused,
// disabled and hot, the last three over the normal one.
#pragma once

#include <array>
#include <memory>

#include "editors/edit/styles/cxcontainerstyle.h"

class TcxContainerStyles;
// A style-set class as a value: makes a set of that class.
using TcxContainerStylesClass = std::unique_ptr<TcxContainerStyles> (*)(TPersistent* owner,
                                                                        TcxContainerStyleClass itemClass);

class TcxContainerStyles {
public:
    // Makes the four styles of itemClass in state order, owned by owner.
    TcxContainerStyles(TPersistent* owner, TcxContainerStyleClass itemClass);
    virtual ~TcxContainerStyles();
    TcxContainerStyles(const TcxContainerStyles&) = delete;
    TcxContainerStyles& operator=(const TcxContainerStyles&) = delete;
    static std::unique_ptr<TcxContainerStyles> Create(TPersistent* owner, TcxContainerStyleClass itemClass);

    TcxContainerStyle& Style(TcxContainerStyleState state) const { return *styles_[state]; }
    TcxContainerStyle& StyleNormal() const { return Style(cssNormal); }
    TcxContainerStyle& StyleFocused() const { return Style(cssFocused); }
    TcxContainerStyle& StyleDisabled() const { return Style(cssDisabled); }
    TcxContainerStyle& StyleHot() const { return Style(cssHot); }
    // Each copies the source into the style of that state.
    void SetStyleNormal(const TcxContainerStyle& value) { StyleNormal().Assign(value); }
    void SetStyleFocused(const TcxContainerStyle& value) { StyleFocused().Assign(value); }
    void SetStyleDisabled(const TcxContainerStyle& value) { StyleDisabled().Assign(value); }
    void SetStyleHot(const TcxContainerStyle& value) { StyleHot().Assign(value); }

    // The change event of all four styles.
    void SetOnChanged(const TcxStyleChangedEvent& event);

private:
    std::array<std::unique_ptr<TcxContainerStyle>, cxContainerStyleStateCount> styles_;
};
