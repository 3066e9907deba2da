// What the editors' window tests share: a form made from form text, shown
// in the foreground anew for each case, with the library's units started
// once per suite; keys typed through the input queue are known handled
// once the form's key preview has seen the marker key after them.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/tests/realinput.h"
#include "classlib/units.h"
#include "editors/controls/cxcontrolsunits.h"

class TMarkerForm : public TForm {
public:
    explicit TMarkerForm(const char* formText)
    {
        Bind("FormKeyDown", &TMarkerForm::FormKeyDown);
        LoadFromText(formText);
    }
    void FormKeyDown(TComponent&, WORD& key, TShiftState) { markerSeen |= key == kInputMarker; }
    bool markerSeen = false;
};

class EditorFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { units_ = std::make_unique<TUnitsStarted>(cxControlsUnits()); }
    static void TearDownTestSuite() { units_.reset(); }
    void TearDown() override { form_.reset(); }

    // The old form goes before the new one is made.
    void ShowNewForm(const char* formText)
    {
        form_.reset();
        form_ = std::make_unique<TMarkerForm>(formText);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Application.ProcessMessages();
    }
    template <class C>
    C& Component(const std::string& name) const
    {
        return form_->Component<C>(name);
    }
    // What the window answers to WM_GETTEXT.
    static std::string TextOf(HWND window)
    {
        char buffer[256] = {};
        SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    // The marker typed after whatever was typed, and seen.
    bool Settle()
    {
        form_->markerSeen = false;
        TapKeyInput(kInputMarker);
        return PumpInput([this] { return form_->markerSeen; }, 5000);
    }

    inline static std::unique_ptr<TUnitsStarted> units_;
    std::unique_ptr<TMarkerForm> form_;
};
