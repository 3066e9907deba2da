// A spin editor's settings: its buttons, the value type and bounds, the
// steps of the buttons and keys, whether the text may be typed, and the
// handler that reads texts the editor cannot.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "classlib/variant.h"
#include "editors/controls/spin/cxspineditbuttons.h"
#include "editors/controls/spin/cxspinvalue.h"
#include "editors/controls/mask/cxmaskeditproperties.h"

// Text: the text the editor could not read; Value arrives Null, a number
// left in it is taken; ErrorText: what the editor reports otherwise.
using TcxSpinEditGetValueEvent =
    std::function<void(TComponent& Sender, const std::string& Text, Variant& Value, std::string& ErrorText)>;

// After the text editor's flags: ValueType.
enum : TcxEditAssignedValue { avValueType = avMaxLength + 1 };

class TcxSpinEditPropertiesValues : public TcxTextEditPropertiesValues {
public:
    using TcxTextEditPropertiesValues::TcxTextEditPropertiesValues;
    static std::unique_ptr<TcxCustomEditPropertiesValues> Create(TcxCustomEditProperties& owner);

    void Assign(const TPersistent& source) override;
    void ClearAssigned() override;

    bool ValueType() const { return IsAssigned(avValueType); }
    void SetValueType(bool value) { SetAssigned(avValueType, value); }

protected:
    const TPropertyTable& Properties() const override;
};

class TcxCustomSpinEditProperties : public TcxCustomMaskEditProperties {
public:
    explicit TcxCustomSpinEditProperties(TPersistent* owner);
    ~TcxCustomSpinEditProperties() override;

    // The spin settings too, inside one update.
    void Assign(const TPersistent& source) override;
    // Keeps the edit buttons in step with SpinButtons before telling.
    void Changed() override;

    TcxSpinEditPropertiesValues& AssignedValues() const
    {
        return static_cast<TcxSpinEditPropertiesValues&>(TcxCustomEditProperties::AssignedValues());
    }
    TcxSpinEditButtons& SpinButtons() const { return *spinButtons_; }
    void SetSpinButtons(const TcxSpinEditButtons& value) { spinButtons_->Assign(value); }
    bool CanEdit() const { return canEdit_; }
    void SetCanEdit(bool value);
    bool Circular() const { return circular_; }
    void SetCircular(bool value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    double LargeIncrement() const { return largeIncrement_; }
    void SetLargeIncrement(double value);
    bool ExceptionOnInvalidInput() const { return exceptionOnInvalidInput_; }
    void SetExceptionOnInvalidInput(bool value);
    bool UseCtrlIncrement() const { return useCtrlIncrement_; }
    void SetUseCtrlIncrement(bool value);
    // The assigned type; else the provider's (integer fields vtInt), else vtFloat.
    TcxSpinEditValueType ValueType() const;
    void SetValueType(TcxSpinEditValueType value);

    // Form text keeps these only where they differ from a new object's, and
    // never at 0: the zero flags below say that.
    bool IsIncrementStored() const { return increment_ != 1.0 && increment_ != 0; }
    bool IsLargeIncrementStored() const { return largeIncrement_ != 10.0 && largeIncrement_ != 0; }
    bool IsValueTypeStored() const { return AssignedValues().ValueType(); }
    // A zero step would not be stored by the two above: these flags keep it.
    bool IsZeroIncrementStored() const { return increment_ == 0; }
    bool IsZeroLargeIncrementStored() const { return largeIncrement_ == 0; }

    // The operations the spin properties add, in their class's order.
    virtual TcxSpinBoundsMode BoundsMode() const;
    virtual double UpperBound() const { return GetMaxValue(); }
    virtual double LowerBound() const { return GetMinValue(); }
    virtual bool ChecksSpinText() const { return true; }
    // The number an edit value stands for; none when it is no number.
    virtual std::optional<TcxSpinNumber> SpinValueOf(const Variant& editValue) const;
    virtual bool KeepsSelectionOnStep() const { return false; }
    // The spin editor clamps to its bounds; the time editor refuses instead.
    virtual bool HasDefaultBounds() const { return true; }

    // What a step needs: value type, increments, bounds and bounds mode.
    TcxSpinSettings StepSettings() const;
    // The value in the type, with bounds applied when clamp is set.
    TcxSpinNumber Clamped(const TcxSpinNumber& value) const;
    // A text read by the value type (Algorithms 6's first step); none when it is no number.
    std::optional<TcxSpinNumber> TextToNumber(const std::string& text) const;
    // A number as the editor shows it.
    std::string NumberToText(const TcxSpinNumber& value) const;
    // Whether OnGetValue is set here.
    bool HasGetValueHandler() const { return static_cast<bool>(OnGetValue); }

    // Overrides of the text properties.
    bool IsEditValueValid(Variant& value, bool editing) const override;
    void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const override;
    void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    std::string DefaultErrorText(int kind) const override;
    TcxCustomEditViewDataClass GetViewDataClass() const override;
    TcxCustomEditViewInfoClass ViewInfoClassOf() const override;
    const TcxClass* GetEditClass() const override;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;

    TcxSpinEditGetValueEvent OnGetValue;

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;

private:
    template <class T>
    void Store(T& field, T value);
    // Adds or drops edit buttons until they are as many as SpinButtons asks.
    void SyncEditButtons();

    std::unique_ptr<TcxSpinEditButtons> spinButtons_;
    bool canEdit_ = true;
    bool circular_ = false;
    double increment_ = 1.0;
    double largeIncrement_ = 10.0;
    bool exceptionOnInvalidInput_ = false;
    bool useCtrlIncrement_ = false;
    TcxSpinEditValueType valueType_ = vtFloat;
    bool syncingButtons_ = false;
};

// The published form.
class TcxSpinEditProperties : public TcxCustomSpinEditProperties {
public:
    using TcxCustomSpinEditProperties::TcxCustomSpinEditProperties;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;
};

// The class records of the spin properties, for the registries.
extern const TcxClass cxCustomSpinEditPropertiesClass;
extern const TcxClass cxSpinEditPropertiesClass;
