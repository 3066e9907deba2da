// The masked editor: the text editor with a mode that holds the mask. Keys,
// typed characters, paste, clicks and focus go to the mode, which works on
// the inner EDIT through a port; values show through the mask.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "editors/controls/mask/cxmaskeditmode.h"
#include "editors/controls/mask/cxmaskeditproperties.h"
#include "editors/controls/text/cxtextedit.h"

class TcxCustomMaskEdit : public TcxCustomTextEdit {
public:
    explicit TcxCustomMaskEdit(TComponent* owner = nullptr, bool inPlace = false);
    ~TcxCustomMaskEdit() override;

    TcxCustomMaskEditProperties& MaskProperties() const
    {
        return static_cast<TcxCustomMaskEditProperties&>(EditProperties());
    }
    TcxCustomMaskEditProperties& ActiveProperties() const
    {
        return static_cast<TcxCustomMaskEditProperties&>(GetEffectiveProperties());
    }
    // None before the editor is made whole.
    TcxMaskEditCustomMode* Mode() const { return mode_.get(); }
    // The mode's view of the inner edit.
    TcxMaskEditPort& Port() const;
    // The properties in force hold a mask.
    bool IsMasked() const;
    // Shift was down at the last key.
    bool ShiftDown() const;
    // The text without blanks and, unless literals are kept, without literals.
    const std::string& ValueText() const { return valueText_; }
    // Set while the editor sends keys to its own inner edit, and while it
    // moves the selection itself.
    bool SendingKeys() const { return sendingKeys_; }
    bool SettingSelection() const { return settingSelection_; }

    // Runs on every error beep as well as the sound (there may be no device).
    std::function<void()> OnErrorBeep;

    // What the masked editor adds: whether key may stand at position
    // (counted from 1); it may rewrite or clear key. True here.
    virtual bool IsCharValidAt(char& key, int position);
    // ValueText.
    virtual std::string GetMaskText() const { return valueText_; }

    // Overrides of the text editor (each falls back to it without a mask).
    void ApplyProperties(TcxCustomEditProperties& properties) override;
    void ApplyDisplayValue(const Variant& value) override;
    void UpdateDisplay() override;
    void ContentChanged() override;
    // The edit value of a shown text: its ValueText.
    void PrepareEditValue(const Variant& displayValue, Variant& editValue, bool editFocused) override;
    void SetText(const std::string& value) override;
    bool TextFromSetText(const std::string& text) override;
    void PasteFromClipboard() override;
    void CutToClipboard() override;
    void DoEditKeyDown(WORD& key, TShiftState shift) override;
    void DoEditKeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;
    void InnerEditWndProc(TMessage& m) override;
    void Loaded() override;

    // Pastes a given text as a paste from the clipboard would.
    void PasteText(const std::string& text);

protected:
    // A kind derived from the masked editor passes its classes.
    TcxCustomMaskEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind);

private:
    // What the masked editor adds to the text editor's making.
    void InitMaskEdit();
    // The mode for the properties in force, made anew (a standard one without a mask).
    void RecreateMode();
    // The mode's error beep: the sound and OnErrorBeep.
    void ErrorBeep();
    // A mode operation from the user as one change: the change events it
    // causes fire once it has ended, when a handler may free the editor.
    template <class F>
    bool RunByUser(F&& operation);
    // ValueText from the inner text.
    void RefreshValueText();
    // The modes' settings that need no new mode, from the properties in force.
    void RefreshModeOptions();
    // The shown text again: re-laid through the mask once the user changed
    // it, else the edit value shown as the focus state shows it.
    void Redisplay();
    class TInnerEditPort;
    friend class TInnerEditPort;

    std::unique_ptr<TInnerEditPort> port_;
    std::unique_ptr<TcxMaskEditCustomMode> mode_;
    // The kind the mode was made for (the time editor's mode serves every kind).
    TcxEditMaskKind modeKind_ = emkStandard;
    std::string valueText_;
    bool sendingKeys_ = false;
    bool settingSelection_ = false;
    // The trail byte of a pair whose lead byte the mode took; 0 when none.
    char pendingTrail_ = 0;
    bool trailKept_ = false;
};

// The published form.
class TcxMaskEdit : public TcxCustomMaskEdit {
public:
    explicit TcxMaskEdit(TComponent* owner = nullptr, bool inPlace = false);

    TcxMaskEditProperties& MaskEditProperties() const
    {
        return static_cast<TcxMaskEditProperties&>(EditProperties());
    }
    // Writing copies.
    void SetProperties(const TcxMaskEditProperties& value) { MaskEditProperties().Assign(value); }

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
};

// TcxMaskEdit's class record, made by name from form text.
extern const TcxClass cxMaskEditClass;
// The kinds of TcxCustomMaskEdit and of TcxMaskEdit.
extern const TcxEditKind cxCustomMaskEditKind;
extern const TcxEditKind cxMaskEditKind;
