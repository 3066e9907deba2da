// What the spin editor's window tests share: a shown form in the foreground
// with a spin editor and a plain EDIT after it, and ways to reach them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/customedit.h"
#include "classlib/form.h"
#include "editors/controls/spin/cxspinedit.h"

// One form serves a whole test: Wine takes seconds to hide or free a
// shown foreground form, so each case takes a fresh editor instead.
struct SpinScene {
    SpinScene();

    // A new editor in place of the old one, which goes.
    void Renew();

    TcxSpinEditProperties& Properties() const { return edit->SpinEditProperties(); }
    HWND Inner() const { return edit->InnerTextEditControl()->Handle(); }
    // The text the EDIT shows.
    std::string Shown() const { return edit->Text(); }
    // Focused by a click into the editor's EDIT; false when it never came.
    bool Focus() const;
    // The focus goes to the plain EDIT, and the editor takes its text.
    void LeaveFocus() const;
    // A character as the EDIT receives it from the keyboard.
    void Char(char c) const;
    // The whole text replaced in the EDIT, as a paste replaces it: no
    // character is judged on its own.
    void PasteText(const std::string& text) const;
    // One wheel message to the editor.
    void Wheel(int delta) const;
    // The centre of a spin button, on the screen.
    POINT ButtonCentre(TcxSpinButtonKind kind) const;

    std::unique_ptr<TForm> form;
    TEdit* other;
    // Not the form's: a case may free it alone.
    std::unique_ptr<TcxSpinEdit> owned;
    TcxSpinEdit* edit = nullptr;
};

// Handles messages until holds() or timeoutMs have passed; false when it never held.
bool Within(int timeoutMs, const std::function<bool()>& holds);
