// A form component that holds four state styles for containers to share:
// a container style linked to it takes every value it does not set itself
// from the controller's style of the same state, and hears of each change.
#pragma once

#include <memory>

#include "classlib/component.h"
#include "classlib/events.h"
#include "editors/edit/styles/cxcontainerstyles.h"
#include "editors/foundation/core/cxlistenerlist.h"

class TcxStyleController : public TComponent {
public:
    explicit TcxStyleController(TComponent* owner = nullptr);
    ~TcxStyleController() override;

    TcxContainerStyles& Styles() const { return *styles_; }
    // The classes of the styles and of their set: descendants pass theirs
    // to the constructor, which makes the styles.
    TcxContainerStyleClass StyleItemClass() const { return itemClass_; }
    TcxContainerStylesClass StyleSetClass() const { return setClass_; }

    // The normal style's own controller link; setting it does nothing.
    TcxStyleController* FakeStyleController() const;

    // A base style linked to this controller; its look and feel follows the
    // normal style's. Nothing for none or one listed already.
    virtual void Subscribe(TcxContainerStyle* style);
    virtual void Unsubscribe(TcxContainerStyle* style);
    bool IsListener(const TcxContainerStyle* style) const { return listeners_.Contains(style); }

    // Scales the normal style's own font once, or passes the call to the
    // controller that style is linked to.
    void ScaleFont(int multiplier, int divisor);

    void Loaded() override;

    TNotifyEvent OnStyleChanged;

protected:
    TcxStyleController(TComponent* owner, TcxContainerStyleClass itemClass, TcxContainerStylesClass setClass);
    const TPropertyTable& Properties() const override;

private:
    // OnStyleChanged, then each listener hears of the change.
    void NotifyListeners();

    TcxContainerStyleClass itemClass_;
    TcxContainerStylesClass setClass_;
    std::unique_ptr<TcxContainerStyles> styles_;
    TcxListenerList<TcxContainerStyle> listeners_;
    bool destroying_ = false;
    bool fontScaled_ = false;
};
