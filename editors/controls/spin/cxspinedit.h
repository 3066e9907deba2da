// The spin editor: the masked editor with spin buttons, holding a number
// of its properties' value type that the user types or steps by the
// buttons (held ones repeat), the arrow and paging keys and the wheel.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editors/controls/mask/cxmaskedit.h"
#include "editors/controls/spin/cxspineditproperties.h"
#include "editors/foundation/system/cxtimer.h"

class TcxCustomSpinEdit : public TcxCustomMaskEdit {
public:
    explicit TcxCustomSpinEdit(TComponent* owner = nullptr, bool inPlace = false);
    ~TcxCustomSpinEdit() override;

    TcxCustomSpinEditProperties& SpinProperties() const
    {
        return static_cast<TcxCustomSpinEditProperties&>(EditProperties());
    }
    TcxCustomSpinEditProperties& ActiveProperties() const
    {
        return static_cast<TcxCustomSpinEditProperties&>(GetEffectiveProperties());
    }

    // GetSpinValue; writing takes numbers only, in the value type, and
    // stores them checked.
    Variant Value() { return GetSpinValue(); }
    void SetValue(const Variant& value);

    // The button held by the mouse, or shown pressed by its key; -1 for none.
    int PressedSpinButton() const { return pressedButton_; }
    // The auto-repeat timer while a button is held; none otherwise.
    const TcxTimer* RepeatTimer() const { return repeatTimer_.get(); }

    // The spin operations, in their class's order.
    // The signed step of a button kind.
    virtual double GetIncrement(TcxSpinButtonKind kind) const;
    // The value now, in the value type; Null when there is none.
    virtual Variant GetSpinValue();
    virtual std::string SpinValueToText(const Variant& value) const;
    // Caches the value and shows its text as the user's.
    virtual void SetSpinValue(const Variant& value);
    // One step; true when the text changed.
    virtual bool DoIncrement(TcxSpinButtonKind kind);

    // Algorithms of validation the properties hand over: value is the text
    // to check and becomes the number.
    void ValidateSpinText(Variant& value, std::string& errorText, bool& error);

    // Overrides of the masked editor.
    Variant GetEditingValue() const override;
    bool IsCharAllowed(char character) const override;
    void DoEditKeyDown(WORD& key, TShiftState shift) override;
    void DoEditKeyPress(char& key) override;
    void DoEditKeyUp(WORD& key, TShiftState shift) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
    void ApplyProperties(TcxCustomEditProperties& properties) override;
    void UpdateDisplay() override;
    void ContentChanged() override;
    void PrepareEditValue(const Variant& displayValue, Variant& editValue, bool editFocused) override;
    void PasteFromClipboard() override;
    bool TextFromSetText(const std::string& text) override;
    void ButtonPressedHook(int index) override;
    void ButtonReleasedHook(int index) override;

protected:
    TcxCustomSpinEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind);

    void FocusChanged() override;

private:
    void InitSpinEdit();
    // Algorithms of text to value: the number, Null for an empty text, or
    // none with errorText set.
    std::optional<Variant> ReadSpinText(const std::string& text, std::string& errorText);
    // The editor may change its value now (read-only and the binding allow it).
    bool MaySpin() const;
    // A text typed or pasted may replace the value unless CanEdit says no.
    bool TextChangesAllowed() const;
    // Draws the button of a kind in that state, repainting only it.
    void ShowButtonState(int kind, TcxEditButtonState state);
    void StartRepeat();
    // Ends auto-repeat and the pressed state: the timer stops at once and
    // goes through cxFreeTimer, as this may run inside its own tick.
    void StopRepeat();
    void RepeatTick();

    Variant cachedValue_;
    bool textTyped_ = false;
    bool settingSpinText_ = false;
    int pressedButton_ = -1;
    std::unique_ptr<TcxTimer> repeatTimer_;
};

// The published form.
class TcxSpinEdit : public TcxCustomSpinEdit {
public:
    explicit TcxSpinEdit(TComponent* owner = nullptr, bool inPlace = false);

    TcxSpinEditProperties& SpinEditProperties() const
    {
        return static_cast<TcxSpinEditProperties&>(EditProperties());
    }
    // Writing copies.
    void SetProperties(const TcxSpinEditProperties& value) { SpinEditProperties().Assign(value); }

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
};

// TcxSpinEdit's class record, made by name from form text.
extern const TcxClass cxSpinEditClass;
// The kinds of TcxCustomSpinEdit and of TcxSpinEdit.
extern const TcxEditKind cxCustomSpinEditKind;
extern const TcxEditKind cxSpinEditKind;
