// What a control asks of the form it sits on: key preview, the hint window
// and the active control; and what a form's dialogs and menus ask of it: the
// window that owns them. The form implements it, so neither need know forms.
#pragma once

#include <windows.h>

#include "classlib/component.h"
#include "classlib/events.h"

class TControl;

class IFormHost {
public:
    // The form's own key events see a child's key first while it previews
    // keys; a key set to 0 goes no further.
    virtual void PreviewKey(UINT msg, WORD& key, TShiftState shift) = 0;
    virtual void PreviewChar(char& key) = 0;
    // The tooltip window that shows the controls' hints; null without hints
    // or before the mouse first came near the form.
    virtual HWND HintWindow() const = 0;
    // The same, made on first need with every control's hint registered.
    virtual HWND NeedHintWindow() = 0;
    // A control of the form took the focus.
    virtual void ControlFocused(TControl& control) = 0;
    // A control of the form goes away: the form forgets it.
    virtual void ControlRemoved(TControl& control) = 0;
    // The focus is in control, which hides, is disabled or (removing) goes:
    // it moves on to the form's next tab stop, or to the form itself.
    virtual void DefocusControl(TControl& control, bool removing) = 0;
    // The control that has the focus while the form is active.
    virtual TControl* ActiveControl() const = 0;
    // The form's window once it exists, else null.
    virtual HWND OwnerWindow() const = 0;

protected:
    ~IFormHost() = default;
};

// The window of the form that owns a dialog or menu component; null when
// its owner is no form or has no window yet.
inline HWND FormWindowOf(TComponent* owner)
{
    auto* host = dynamic_cast<IFormHost*>(owner);
    return host ? host->OwnerWindow() : nullptr;
}
