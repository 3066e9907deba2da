// What the editor's window tests share: a shown form in the foreground
// holding the integer editor E and a plain EDIT O after it, with the
// editor's events counted, and waits for what real input brings about.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "editors/edit/editor/tests/demointegeredit.h"

struct EditorScene {
    explicit EditorScene(bool inPlace = false);

    // Focused by a click into the editor's EDIT, so that it selects nothing.
    void FocusEditor();
    // The text the EDIT shows.
    std::string Text() const;
    // The handle of the window that has the focus is that of the control.
    static bool HasFocus(const TControl& control);

    std::unique_ptr<TForm> form;
    TDemoIntegerEdit* edit;
    TEdit* other;
    int enters = 0, exits = 0, clicks = 0, doubleClicks = 0;
};

// Handles messages until holds() or 3 s have passed.
bool Eventually(const std::function<bool()>& holds);
// Handles messages for a while, for input that changes nothing to wait for.
void Settle();
