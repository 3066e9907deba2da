// A text editor's settings: echo and case, display and edit formats, the
// maximum length, the lookup items and the characters it takes; and the
// rules that turn a value into the text it shows.
#pragma once

#include <bitset>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "classlib/charcase.h"
#include "classlib/imemode.h"
#include "classlib/liveness.h"
#include "editors/controls/text/cxtexteditlookupdataintf.h"
#include "editors/controls/text/cxtexteditmodes.h"
#include "editors/edit/formats/cxformats.h"
#include "editors/edit/properties/cxeditproperties.h"

class TcxCustomTextEdit;

// Sender: the editor; Text: the typed text that is no lookup item.
using TcxNewLookupDisplayTextEvent = std::function<void(TComponent& Sender, const std::string& Text)>;

// After the base flags: DisplayFormat, EditFormat and MaxLength.
enum : TcxEditAssignedValue { avDisplayFormat = avReadOnly + 1, avEditFormat, avMaxLength };

class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
public:
    using TcxCustomEditPropertiesValues::TcxCustomEditPropertiesValues;
    static std::unique_ptr<TcxCustomEditPropertiesValues> Create(TcxCustomEditProperties& owner);

    // The base flags and these three.
    void Assign(const TPersistent& source) override;
    void ClearAssigned() override;

    bool DisplayFormat() const { return IsAssigned(avDisplayFormat); }
    void SetDisplayFormat(bool value) { SetAssigned(avDisplayFormat, value); }
    bool EditFormat() const { return IsAssigned(avEditFormat); }
    void SetEditFormat(bool value) { SetAssigned(avEditFormat, value); }
    bool MaxLength() const { return IsAssigned(avMaxLength); }
    void SetMaxLength(bool value) { SetAssigned(avMaxLength, value); }

    // Form text keeps a format flag only where the format's own text cannot
    // say it: set, the text empty, and published by the owner's class.
    bool IsDisplayFormatStored() const;
    bool IsEditFormatStored() const;
    bool IsMaxLengthStored() const { return MaxLength(); }

protected:
    const TPropertyTable& Properties() const override;

private:
    bool IsFormatStored(TcxEditAssignedValue value, const char* name) const;
};

// The lookup items: texts with an object each, duplicates accepted, kept
// sorted on request; every change is told.
class TcxTextEditLookupItems {
public:
    std::span<const std::string> Strings() const { return strings_; }
    int Count() const { return static_cast<int>(strings_.size()); }
    const std::string& operator[](int index) const { return strings_[index]; }
    void* Objects(int index) const { return objects_[index]; }
    int Add(const std::string& text, void* object = nullptr);
    void Clear();
    void Assign(const TcxTextEditLookupItems& source);
    bool Sorted() const { return sorted_; }
    // Sorting sorts the present items once, by AnsiCompareText.
    void SetSorted(bool value);

    std::function<void()> OnChange;

private:
    void Changed();

    std::vector<std::string> strings_;
    std::vector<void*> objects_;
    bool sorted_ = false;
};

class TcxCustomTextEditProperties : public TcxCustomEditProperties, private IcxFormatListener {
public:
    explicit TcxCustomTextEditProperties(TPersistent* owner);
    ~TcxCustomTextEditProperties() override;

    void Assign(const TPersistent& source) override;

    TcxTextEditPropertiesValues& AssignedValues() const
    {
        return static_cast<TcxTextEditPropertiesValues&>(TcxCustomEditProperties::AssignedValues());
    }
    // Runs inside one update.
    void SetAlignment(const TcxEditAlignment& value) override;
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    TcxEditEchoMode EchoMode() const { return echoMode_; }
    void SetEchoMode(TcxEditEchoMode value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value);
    const TImeName& ImeName() const { return imeName_; }
    void SetImeName(const TImeName& value);
    bool IncrementalSearch() const { return incrementalSearch_; }
    void SetIncrementalSearch(bool value);
    TcxTextEditLookupItems& LookupItems() const { return *lookupItems_; }
    void SetLookupItems(const TcxTextEditLookupItems& value) { lookupItems_->Assign(value); }
    bool LookupItemsSorted() const { return lookupItems_->Sorted(); }
    void SetLookupItemsSorted(bool value) { lookupItems_->SetSorted(value); }
    // The assigned MaxLength, else the default one; negative values become 0.
    int MaxLength() const;
    void SetMaxLength(int value);
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);
    // The assigned format, else the default one.
    std::string DisplayFormat() const;
    void SetDisplayFormat(const std::string& value);
    std::string EditFormat() const;
    void SetEditFormat(const std::string& value);
    bool CaretHidden() const { return caretHidden_; }
    void SetCaretHidden(bool value);
    // The characters taken beyond the editor's own rule; empty by default.
    const std::bitset<256>& AllowedChars() const { return allowedChars_; }
    void SetAllowedChars(const std::bitset<256>& value);
    bool UseDisplayFormatWhenEditing() const { return useDisplayFormatWhenEditing_; }
    void SetUseDisplayFormatWhenEditing(bool value);
    bool ImmediateUpdateText() const { return immediateUpdateText_; }
    void SetImmediateUpdateText(bool value) { immediateUpdateText_ = value; }
    bool MostRecentlyUsed() const { return mostRecentlyUsed_; }
    void SetMostRecentlyUsed(bool value) { mostRecentlyUsed_ = value; }
    bool FixedListSelection() const { return fixedListSelection_; }
    void SetFixedListSelection(bool value) { fixedListSelection_ = value; }
    // The buttons' view kind and CaretHidden as one value (0 to 3).
    int TextViewStyle() const;
    void SetTextViewStyle(int value);
    // Set while a format change is being told.
    bool FormatChanging() const { return formatChanging_; }

    bool IsDisplayFormatStored() const { return AssignedValues().DisplayFormat(); }
    bool IsEditFormatStored() const { return AssignedValues().EditFormat(); }
    bool IsMaxLengthStored() const { return AssignedValues().MaxLength(); }

    // The shown text of a text: password characters, or the letter case.
    std::string ApplyEchoAndCase(const std::string& text) const;
    // The text a value shows; editing unless display text is asked for.
    std::string GetDisplayText(const Variant& value, bool fullText = false, bool isInplace = true) const;

    // The operations the text properties add, in their class's order.
    virtual void FormatChangedHook();
    // With numeric formatting and bounds in force: the typed text out of
    // bounds sets error and errorText.
    virtual void CheckBounds(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error);
    virtual Variant GetEmptyValue() const { return Variant(std::string()); }
    virtual bool IsLookupItem(const std::string& text) const;
    virtual std::string GetDefaultDisplayFormat() const { return {}; }
    virtual int GetDefaultMaxLength() const { return 0; }
    virtual int GetLookupPageSize() const { return 8; }
    // temNoEdit with the caret hidden, else temEdit.
    virtual TcxTextEditingMode GetEditingMode() const;
    virtual TcxTextEditLookupDataClass GetLookupDataClass() const;
    virtual bool UseDigitGroupingWhenEditing() const { return false; }
    // Where the text of a value being edited comes from: currency, the
    // provider's own handler, or a format string (empty for none).
    virtual void GetEditFormatInfo(bool& isCurrency, bool& providerText, std::string& format,
                                   const TcxCustomEdit* edit) const;
    virtual bool NumericFormatting() const { return false; }
    virtual bool FormatsAsMask() const { return false; }
    virtual bool ChecksLength() const { return false; }
    virtual bool StrictEditFormat() const { return false; }
    // 0 MinValue, 1 MaxValue.
    virtual bool IsBoundApplied(int which) const;
    virtual bool BoundsApply() const { return IsBoundApplied(0) || IsBoundApplied(1); }
    virtual void DisplayFormatChanged() { Changed(); }
    virtual void EditFormatChanged() { Changed(); }
    virtual void CharCaseChanged() { Changed(); }
    virtual bool HasLookupData() const { return GetLookupDataClass() != nullptr; }
    // Whether the value's string is a text the editor may hold; a valid one
    // is stored back in its letter case.
    virtual bool IsEditValueValid(Variant& value, bool editing) const;

    // The value's text under the formats: FormatFloat or the general format.
    std::string FormatValueText(const Variant& value, bool editing, const TcxCustomEdit* edit = nullptr) const;

    // The base operations the text properties answer.
    bool NeedsValidation() const override { return true; }
    bool ChangeFiresOnText() const override { return true; }
    bool CanCompareEditValues() const override { return true; }
    TcxEditDisplayFormatOptions SupportsDisplayFormat() const override { return dfoSupports; }
    bool ViewDataLoadFlag() const override { return true; }
    bool RestoresValueOnExit() const override { return GetEditingMode() != temNoEdit; }
    // The text editor's view data and view information (measure and paint the text).
    TcxCustomEditViewDataClass GetViewDataClass() const override;
    TcxCustomEditViewInfoClass ViewInfoClassOf() const override;
    TcxEditSupportedOperations GetSupportedOperations() const override;
    const TcxClass* GetEditClass() const override;
    std::string DefaultErrorText(int kind) const override;
    bool DisplayValuesEqual(const Variant& a, const Variant& b) const override;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;
    void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const override;
    void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error) override;

    TcxNewLookupDisplayTextEvent OnNewLookupDisplayText;

protected:
    // Descendants with assigned values of their own pass their class.
    TcxCustomTextEditProperties(TPersistent* owner, TcxCustomEditPropertiesValuesClass valuesClass);
    const TPropertyTable& Properties() const override;

private:
    void FormatChanged() override;
    // Value to display with the formats, when the value is empty, a number or a string.
    std::string ValueToDisplayText(const Variant& value, bool editing) const;
    template <class T>
    void Store(T& field, const T& value);
    template <class T>
    void StoreAssigned(T& field, TcxEditAssignedValue flag, const T& value,
                       void (TcxCustomTextEditProperties::*notify)());

    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    TcxEditEchoMode echoMode_ = eemNormal;
    bool hideSelection_ = true;
    TImeMode imeMode_ = TImeMode::imDontCare;
    TImeName imeName_;
    bool incrementalSearch_ = true;
    std::unique_ptr<TcxTextEditLookupItems> lookupItems_;
    int maxLength_ = 0;
    bool oemConvert_ = false;
    char passwordChar_ = 0;
    std::string displayFormat_;
    std::string editFormat_;
    bool caretHidden_ = false;
    std::bitset<256> allowedChars_;
    bool useDisplayFormatWhenEditing_ = false;
    bool immediateUpdateText_ = false;
    bool mostRecentlyUsed_ = false;
    bool fixedListSelection_ = true;
    bool formatChanging_ = false;
    TLife life_;
};

// The published form.
class TcxTextEditProperties : public TcxCustomTextEditProperties {
public:
    using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;
};

// The class records of the text editor's properties, for the registries.
extern const TcxClass cxCustomTextEditPropertiesClass;
extern const TcxClass cxTextEditPropertiesClass;
