// What the editors' window tests share: a form made from form text, shown
// in the foreground anew for each case, with the library's units started
// once per suite; keys typed through the input queue are known handled
// once the form's key preview has seen the marker key after them.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
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
    // A real click at a client point of window; true once focus has the focus.
    static bool ClickFocusing(HWND window, POINT client, HWND focus)
    {
        ClientToScreen(window, &client);
        MoveCursorInput(client);
        LeftButtonInput(true);
        LeftButtonInput(false);
        return PumpInput([focus] { return GetFocus() == focus; });
    }
    // Characters are typed; what stands in braces goes to key. Settled after.
    bool PlayScript(const std::wstring& script, const std::function<void(const std::wstring&)>& key)
    {
        for (std::size_t i = 0; i < script.size();) {
            if (script[i] != L'{') {
                TypeKeys(script.substr(i, 1));
                ++i;
                continue;
            }
            const std::size_t close = script.find(L'}', i);
            key(script.substr(i + 1, close - i - 1));
            i = close + 1;
        }
        return Settle();
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
