// An editor's behaviour apart from its control: the classes that make up
// the editor kind, its buttons, alignment, keys and validation, the
// optional MaxValue, MinValue and ReadOnly with their assigned flags, and
// the events the editor fires. Each editor owns one, and so does each
// repository item; changes reach the owner through one notification,
// gathered while an update runs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "classlib/component.h"
#include "classlib/events.h"
#include "classlib/liveness.h"
#include "classlib/shortcut.h"
#include "classlib/variant.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/properties/cxeditalignment.h"
#include "editors/edit/properties/cxeditpropertiesvalues.h"
#include "editors/edit/styles/cxcontainerstyle.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"
#include "editors/foundation/core/cxclasses.h"

class IcxEditDefaultValuesProvider;
class TcxCustomEdit;
class TcxCustomEditStyle;

// The generic editor's class record; the editor kinds derive theirs from it.
extern const TcxClass cxCustomEditClass;

// Sender: the editor that fires the event.
using TcxEditButtonClickEvent = std::function<void(TComponent& Sender, int AButtonIndex)>;
using TcxEditValidateEvent =
    std::function<void(TComponent& Sender, Variant& DisplayValue, std::string& ErrorText, bool& Error)>;
using TcxEditPropertiesChangedEvent = std::function<void(TcxCustomEditProperties& Sender)>;

// The display-format capabilities, a two-bit set.
using TcxEditDisplayFormatOptions = unsigned;
constexpr TcxEditDisplayFormatOptions dfoSupports = 1, dfoEditFormat = 2;

// The editor operations the properties support, a set of bits.
using TcxEditSupportedOperations = unsigned;
// Supported once there is a button.
constexpr TcxEditSupportedOperations esoHasButtons = 32;

// The default ButtonClickKey: Ctrl+Enter.
constexpr TShortCut cxEditDefaultButtonClickKey = 16397;

class TcxCustomEditProperties : public TcxInterfacedPersistent {
public:
    explicit TcxCustomEditProperties(TPersistent* owner);
    ~TcxCustomEditProperties() override;
    TcxCustomEditProperties(const TcxCustomEditProperties&) = delete;
    TcxCustomEditProperties& operator=(const TcxCustomEditProperties&) = delete;

    // From other editor properties, inside one update; other classes fail
    // as the class library's do.
    void Assign(const TPersistent& source) override;

    // Changes made while an update runs are told once, at the outermost
    // end, and only when notify is set.
    void BeginUpdate();
    void EndUpdate(bool notify = true);
    int UpdateCount() const { return updateCount_; }
    // Runs body inside one update; a body that raises ends it untold.
    template <class F>
    void Updating(F&& body)
    {
        BeginUpdate();
        try {
            body();
        } catch (...) {
            EndUpdate(false);
            throw;
        }
        EndUpdate();
    }
    // While locked, changes are only noted.
    bool ChangedLocked() const { return changedLocked_; }
    void SetChangedLocked(bool value) { changedLocked_ = value; }
    // How many change notifications are running now.
    int NotificationDepth() const { return notificationDepth_; }

    // The published alignment: the one in force, with a Horz not set
    // showing the default one.
    TcxEditAlignment& Alignment() const;
    TcxCustomEditPropertiesValues& AssignedValues() const { return *assignedValues_; }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value);
    TcxEditButtons& Buttons() const { return *buttons_; }
    void SetButtons(const TcxEditButtons& value);
    // 0: text and buttons; 1: only the buttons, stretched over the width;
    // 2: only the buttons, the editor as wide as they are.
    std::uint8_t ButtonsStyleKind() const { return buttonsStyleKind_; }
    void SetButtonsStyleKind(std::uint8_t value);
    bool BeepOnError() const { return beepOnError_; }
    void SetBeepOnError(bool value);
    TShortCut ClearKey() const { return clearKey_; }
    void SetClearKey(TShortCut value);
    TShortCut ButtonClickKey() const { return buttonClickKey_; }
    void SetButtonClickKey(TShortCut value);
    bool UseLeftAlignmentOnEditing() const { return useLeftAlignmentOnEditing_; }
    void SetUseLeftAlignmentOnEditing(bool value);
    bool InplaceMouseWheel() const { return inplaceMouseWheel_; }
    void SetInplaceMouseWheel(bool value);
    bool ImmediatePost() const { return immediatePost_; }
    void SetImmediatePost(bool value);
    bool TransparentBackground() const { return transparentBackground_; }
    void SetTransparentBackground(bool value);
    bool ValidateOnEnter() const { return validateOnEnter_; }
    void SetValidateOnEnter(bool value);
    // Setting one assigns it, also to the value it already had.
    void SetMaxValue(double value);
    void SetMinValue(double value);
    // The assigned ReadOnly, else the provider's default, else false.
    bool ReadOnly() const;
    void SetReadOnly(bool value);

    IcxEditDefaultValuesProvider* DefaultValuesProvider() const { return provider_; }
    void SetDefaultValuesProvider(IcxEditDefaultValuesProvider* value);
    // Whether an in-place editor may change its value now.
    bool CanModifyInplace() const;
    // Whether the provider's display format shows the values.
    bool UsesProviderDisplayFormat() const { return HasDisplayFormat(false); }
    // Whether the owner's class publishes a property of that name.
    bool Publishes(const std::string& name) const;

    // Form text keeps these only where they differ from what a new object holds.
    bool IsUseLeftAlignmentOnEditingStored() const;
    bool IsMaxValueStored() const;
    bool IsMinValueStored() const;
    bool IsReadOnlyStored() const;

    // Tells the owner of a change, or notes it while locked, updating, or
    // while the owning component goes.
    virtual void Changed();

    // The operations in their class's order.
    virtual void AlignmentChanged();
    virtual void SetAlignment(const TcxEditAlignment& value);
    virtual void SubObjectChanged();
    virtual bool NeedsValidation() const { return false; }
    virtual bool DefaultUseLeftAlignmentOnEditing() const { return true; }
    virtual void ClearDefaultValuesProvider() { provider_ = nullptr; }
    virtual void FreeNotification(TComponent*) {}
    TcxCustomEditPropertiesValuesClass GetAssignedValuesClass() const { return valuesClass_; }
    virtual TAlignment DefaultHorzAlignment() const;
    virtual TcxEditDisplayFormatOptions SupportsDisplayFormat() const { return 0; }
    virtual double GetMaxValue() const;
    virtual double GetMinValue() const;
    virtual std::string DefaultErrorText(int kind) const;
    virtual bool HasDisplayFormat(bool editing) const;
    virtual TcxCustomEditViewDataClass GetViewDataClass() const;
    virtual bool ChangeFiresOnText() const { return false; }
    virtual bool WantsTab() const { return false; }
    virtual bool HasUnfocusedDisplay() const { return true; }
    virtual bool CanCompareEditValues() const { return false; }
    const TcxEditButtonsClass& GetButtonsClass() const { return buttonsClass_; }
    virtual const TcxClass* GetEditClass() const { return &cxCustomEditClass; }
    virtual TcxContainerStyleClass StyleClassOf() const;
    virtual TcxCustomEditViewInfoClass ViewInfoClassOf() const;
    virtual bool DisplayValuesEqual(const Variant& a, const Variant& b) const;
    virtual std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const;
    virtual std::unique_ptr<TcxCustomEditViewData> NewViewData(TcxCustomEditStyle* style, bool inplace);
    virtual std::wstring GetWideDisplayText(const Variant&) const { return {}; }
    // A flag the view data loads from the properties; the text editors set it.
    virtual bool ViewDataLoadFlag() const { return false; }
    virtual TcxEditSupportedOperations GetSupportedOperations() const;
    // Whether leaving the editor restores the value from its binding.
    virtual bool RestoresValueOnExit() const { return true; }
    virtual bool KeepsValueAtFocus() const { return false; }
    virtual void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const;
    virtual void ResetToDefaults();
    // edit: the editor whose value it is, or none.
    virtual void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error);

    TcxEditPropertiesChangedEvent OnPropertiesChanged;
    TcxEditButtonClickEvent OnButtonClick;
    TNotifyEvent OnChange;
    TNotifyEvent OnEditValueChanged;
    TcxEditValidateEvent OnValidate;

protected:
    // Descendants pass the classes of their assigned values and buttons.
    TcxCustomEditProperties(TPersistent* owner, TcxCustomEditPropertiesValuesClass valuesClass,
                            const TcxEditButtonsClass& buttonsClass);
    TPersistent* NestedObject(std::string_view name) override;

private:
    // Stores a changed value and tells of it.
    template <class T>
    void Store(T& field, const T& value);
    // Stores an optional value and marks it assigned; unchanged only when
    // it was assigned with that value already.
    template <class T>
    void StoreAssigned(T& field, TcxEditAssignedValue flag, const T& value);
    bool OwnerIsGoing() const;

    TLife life_;
    TcxCustomEditPropertiesValuesClass valuesClass_;
    const TcxEditButtonsClass& buttonsClass_;
    std::unique_ptr<TcxFreeNotificator> freeNotificator_;
    std::unique_ptr<TcxEditAlignment> alignment_;
    std::unique_ptr<TcxEditAlignment> innerAlignment_;
    std::unique_ptr<TcxCustomEditPropertiesValues> assignedValues_;
    bool autoSelect_ = true;
    std::unique_ptr<TcxEditButtons> buttons_;
    std::uint8_t buttonsStyleKind_ = 0;
    bool beepOnError_ = false;
    TShortCut clearKey_ = 0;
    TShortCut buttonClickKey_ = cxEditDefaultButtonClickKey;
    bool useLeftAlignmentOnEditing_ = true;
    bool inplaceMouseWheel_ = true;
    bool immediatePost_ = false;
    bool transparentBackground_ = false;
    bool validateOnEnter_ = false;
    double maxValue_ = 0;
    double minValue_ = 0;
    bool readOnly_ = false;
    IcxEditDefaultValuesProvider* provider_ = nullptr;
    int updateCount_ = 0;
    bool changedOccurred_ = false;
    bool changedLocked_ = false;
    int notificationDepth_ = 0;
};
