// A concrete editor for the generic editor's tests and its demonstration:
// an integer from 0 to 100 typed into an inner EDIT that hands keys, mouse
// and focus changes to the editor before it acts on them, and a binding
// that records what the editor posts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "classlib/variant.h"
#include "editors/edit/editor/cxedit.h"
#include "editors/edit/editor/cxinneredit.h"
#include "editors/edit/editor/cxinnereditcontrol.h"

class TDemoIntegerEdit;

// Accepts an empty text (Null) or a whole number from 0 to 100.
class TDemoIntegerEditProperties : public TcxCustomEditProperties {
public:
    explicit TDemoIntegerEditProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {}

    bool NeedsValidation() const override { return true; }
    // Typing marks the editor modified.
    bool ChangeFiresOnText() const override { return true; }
    bool KeepsValueAtFocus() const override { return keepsValueAtFocus_; }
    bool WantsTab() const override { return wantsTab_; }
    bool CanCompareEditValues() const override { return comparesValues_; }
    void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;

    void SetKeepsValueAtFocus(bool value) { keepsValueAtFocus_ = value; }
    void SetWantsTab(bool value) { wantsTab_ = value; }
    void SetComparesValues(bool value) { comparesValues_ = value; }

private:
    bool keepsValueAtFocus_ = false;
    bool wantsTab_ = false;
    bool comparesValues_ = false;
};

// The value the text stands for: Null for an empty one, the number for a
// whole number from 0 to 100, nothing otherwise.
std::optional<Variant> DemoIntegerOf(const Variant& text);

// Records each value the editor posts to it. Like a record being edited,
// it is editing from the user's first change until the value is posted.
class TDemoPostBinding : public TcxEditDataBinding {
public:
    using TcxEditDataBinding::TcxEditDataBinding;
    bool IsEditing() const override { return Edit().Modified(); }
    void WriteStoredValue(const Variant& value) override;

    std::vector<Variant> Posts;
    std::function<void(const Variant&)> OnPost;
};

// The EDIT inside the editor.
class TDemoInnerEdit : public TcxInnerEditControl, public IcxCustomInnerEdit {
public:
    explicit TDemoInnerEdit(TComponent* owner);

    TWinControl& WinControl() override { return *this; }
    void FocusInner() override;
    void AttachToEditor(TcxCustomEdit& editor) override { AttachEditor(editor); }
    void SetChangeNotification(TcxInnerEditChangeEvent handler) override { ChangeHandler = std::move(handler); }
    void SetReadOnlyState(bool value) override { SetReadOnly(value); }

    // Every character that reached the EDIT's own handling, in order.
    const std::string& CharsReceived() const { return charsReceived_; }

protected:
    const TMessageMap& Messages() const override;
    void KeyPress(char& key) override;

private:
    void WMGetDlgCode(TMessage& m);

    std::string charsReceived_;
};

class TDemoIntegerEdit : public TcxCustomEdit {
public:
    explicit TDemoIntegerEdit(TComponent* owner = nullptr, bool inPlace = false);

    TDemoIntegerEditProperties& DemoProperties() const
    {
        return static_cast<TDemoIntegerEditProperties&>(EditProperties());
    }
    TDemoInnerEdit& Inner() const { return static_cast<TDemoInnerEdit&>(InnerEdit()->WinControl()); }
    TDemoPostBinding& Binding() const { return static_cast<TDemoPostBinding&>(DataBinding()); }

protected:
    std::string GetDisplayText() const override;
    Variant GetEditingValue() const override;
    void ApplyDisplayValue(const Variant& value) override;
    void ShowDisplayValue(const Variant& value) override;
    void UpdateDisplay() override;
    bool IsValueChangingKey(WORD key, TShiftState shift) const override;
    bool IsValueChangingChar(char c) const override;
    bool IsInnerEditVisible() const override { return true; }
    void SelectAll() override;
    void CopyHook() override;
    void CutHook() override;
    void PasteHook() override;
};
