// What a container style asks of the container that owns it. The style
// finds it by asking its owner for this interface; styles owned by a
// controller or by nothing have no container.
#pragma once

#include <optional>

#include "classlib/colors.h"
#include "editors/edit/styles/cxcontainerstyletypes.h"

class IcxStyleContainer {
public:
    // Whether the container takes its parent's colour and font.
    virtual bool ParentColor() const = 0;
    virtual void SetParentColor(bool value) = 0;
    virtual bool ParentFont() const = 0;
    virtual void SetParentFont(bool value) = 0;
    // The parent's colour; none without a parent.
    virtual std::optional<TColor> ParentControlColor() const = 0;
    // True for panel-like containers, whose colour is the button face;
    // false for edit-like ones, whose colour is the window's.
    virtual bool DefaultsToParentColor() const = 0;
    // True while the container edits a cell of another control.
    virtual bool RunsInplace() const = 0;
    // The style values this container's class does not publish.
    virtual TcxContainerStyleValues GetHiddenStyleValues() const = 0;

protected:
    ~IcxStyleContainer() = default;
};
