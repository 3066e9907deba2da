// The generic editor: a container that owns editor properties, holds one
// variant value (the edit value) and turns what the user typed into it:
// validation, storing, change events, posting through its data binding;
// the keys, the mouse, the focus and the Windows control inside it. Every
// editor kind derives from it and changes it through the operations below.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/handlercall.h"
#include "classlib/variant.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/core/cxediterror.h"
#include "editors/edit/editor/cxeditchangeevents.h"
#include "editors/edit/editor/cxeditdatabinding.h"
#include "editors/edit/editor/cxinneredit.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/repository/cxeditrepository.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"
#include "editors/edit/viewinfo/cxeditviewinfo.h"
#include "editors/foundation/system/cxtimer.h"

class TcxCustomEdit;

// CanEdit comes in true; false refuses the change about to be made.
using TcxEditEditingEvent = std::function<void(TComponent& Sender, bool& CanEdit)>;
// The editor that calls AfterKeyDownHandler, with the key it did not use.
using TcxEditAfterKeyDownEvent = std::function<void(TcxCustomEdit& Sender, WORD& Key, TShiftState Shift)>;

// The caller's data of one in-place editing session: nothing in this
// program defines more than the flag.
class TcxInplaceEditData {
public:
    virtual ~TcxInplaceEditData() = default;
    // Set while the editor still owes the release hook its one call.
    bool ReleasePending = false;
};
using TcxInplaceEditDataClass = std::unique_ptr<TcxInplaceEditData> (*)();

// What measuring an editor's size starts from; -1 and 0: not given.
struct TcxEditSizeProperties {
    int Height = -1;
    int MaxLineCount = 0;
    int Width = -1;
};

// The classes an editor kind is made of. C++ builds the generic editor
// before the kind exists, so a kind hands them to the constructor instead
// of answering GetPropertiesClass and the like during creation.
struct TcxEditKind {
    TcxCustomEditPropertiesClass PropertiesClass;
    // Whether a properties object is of the kind's class or a descendant.
    bool (*AcceptsProperties)(const TcxCustomEditProperties& properties);
    TcxEditDataBindingClass DataBindingClass = &TcxEditDataBinding::Create;
    TcxInnerEditClass InnerEditClass = nullptr;
};

// The kind of properties class P with binding class B, no inner edit.
template <class P, class B = TcxEditDataBinding>
constexpr TcxEditKind cxEditKindOf(TcxInnerEditClass innerEditClass = nullptr)
{
    return TcxEditKind{
        [](TPersistent* owner) -> std::unique_ptr<TcxCustomEditProperties> { return std::make_unique<P>(owner); },
        [](const TcxCustomEditProperties& properties) {
            const TcxCustomEditProperties* p = &properties;
            return dynamic_cast<const P*>(p) != nullptr;
        },
        [](TcxCustomEdit& edit) -> std::unique_ptr<TcxEditDataBinding> { return std::make_unique<B>(edit); },
        innerEditClass};
}

class TcxCustomEdit : public TcxContainer, private IcxEditRepositoryItemListener {
public:
    explicit TcxCustomEdit(TComponent* owner = nullptr);
    // The in-place constructor: an editor living inside another control.
    TcxCustomEdit(TComponent* owner, bool inPlace);
    ~TcxCustomEdit() override;

    // The editor's own Properties (the name is the component's property table's).
    TcxCustomEditProperties& EditProperties() const { return *properties_; }
    // The item's properties when an item is linked (given the binding's
    // provider first), else the own ones.
    TcxCustomEditProperties& GetEffectiveProperties() const;
    TcxEditDataBinding& DataBinding() const { return *dataBinding_; }
    IcxCustomInnerEdit* InnerEdit() const { return innerEdit_; }
    TcxCustomEditViewInfo& ViewInfo() const { return static_cast<TcxCustomEditViewInfo&>(TcxContainer::ViewInfo()); }
    TcxTimer& DoubleClickTimer() const { return *doubleClickTimer_; }

    TcxEditRepositoryItem* RepositoryItem() const { return repositoryItem_; }
    // EcxEditError "The repository item is not acceptable" for an item
    // whose properties are not of this editor's class; the old link stays.
    void SetRepositoryItem(TcxEditRepositoryItem* value);

    // The edit value: GetEditValue and SetEditValue.
    Variant EditValue() const { return GetEditValue(); }
    bool InPlace() const { return inPlace_; }
    bool AutoSize() const { return autoSize_; }
    bool Modified() const { return modified_; }
    bool ModifiedSinceFocus() const { return modifiedSinceFocus_; }
    bool ValueValidated() const { return valueValidated_; }
    bool ValidationLocked() const { return validationLocked_; }
    void SetValidationLocked(bool value) { validationLocked_ = value; }
    bool Posting() const { return posting_; }
    bool InEditingEvent() const { return inEditingEvent_; }
    const Variant& ValueAtFocus() const { return valueAtFocus_; }
    int CapturedButton() const { return capturedButton_; }
    // The locks, each 0 outside the operation that holds it.
    int ChangeEventsLockCount() const { return changeEventsCatcher_->LockCount(); }
    int ClickLockCount() const { return clickLocks_; }
    int EditingEventLockCount() const { return editingEventLock_; }
    int ModifiedStackDepth() const { return static_cast<int>(modifiedStack_.size()); }

    // Whether the text is valid; invalid with raiseOnError: the error of
    // HandleValidationError passes on.
    bool CheckEditValue(bool raiseOnError);
    // Validates first when asked; stores the value through the binding.
    void PostValue(bool validate);
    // Whether the user may change the value now; fires OnEditing.
    bool RequestEditing();
    bool CanPostValue() const;
    // Locked change events fire once at the last unlock with firePending.
    void LockChangeEvents(bool lock, bool firePending = true);
    // While locked Click does not fire.
    void LockClick(bool lock);
    void PushModified();
    void PopModified();
    // Clearing Modified clears ModifiedSinceFocus as well.
    void SetModifiedFlag(bool value);
    // Set: the user changed the content; also Modified, and not validated.
    void MarkUserModified(bool value);
    bool ShowsEditFormat() const;
    bool CanUseMouseWheel(TShiftState shift) const;
    bool IsClearOrClickKey(WORD key, TShiftState shift) const;
    // The button under a client point; -1 over none.
    int ButtonAtPoint(POINT p) const;
    // The first button marked default; -1 when none is.
    int DefaultButtonIndex() const;
    // Makes sure the window exists first, so an auto-sized height is current.
    int GetHeight();

    // Height and Width as form text stores them.
    bool IsHeightStored() const;
    bool IsWidthStored() const;

    void Click() override;
    // Focuses the inner edit when the container has the focus.
    void CreateHandle() override;

    // The operations in their class's order.
    virtual void AdjustInnerEditPosition();
    virtual void EndPosting() { posting_ = false; }
    virtual void BeginPosting() { posting_ = true; }
    virtual bool IsAutoHeight() const;
    virtual bool IsAutoWidth() const;
    virtual bool IsValueChangingKey(WORD, TShiftState) const { return false; }
    virtual bool IsValueChangingChar(char) const { return false; }
    virtual bool CanModify() const;
    // The user changed the text.
    virtual void ContentChanged();
    virtual IcxCustomInnerEdit* CreateInnerEdit();
    virtual std::unique_ptr<TcxCustomEditViewData> MakeViewData();
    virtual void ClickDefaultButton();
    virtual void DoButtonClick(int index);
    virtual void ButtonPressedHook(int) {}
    virtual void ButtonReleasedHook(int) {}
    virtual void DoEditKeyDown(WORD& key, TShiftState shift);
    virtual void DoEditKeyPress(char& key);
    virtual void DoEditKeyUp(WORD&, TShiftState) {}
    virtual void BeforeTabHook(TShiftState) {}
    virtual void FocusChangedValidate();
    virtual void CallOnChange();
    virtual void CallOnEditValueChanged();
    virtual void OnFocusEnter();
    // Kept empty: a later descendant's hook in this place.
    virtual void ReservedHook1() {}
    virtual TcxEditSizeProperties GetSizeRequest() const;
    virtual Variant GetNullEditValue() const { return Variant::Null(); }
    virtual TcxEditDataBindingClass GetDataBindingClass() const { return kind_.DataBindingClass; }
    virtual std::string GetDisplayText() const { return {}; }
    virtual TcxInplaceEditDataClass GetEditDataClass() const { return nullptr; }
    // While the focused text is modified and not yet validated, what it
    // means now; else the edit value.
    virtual Variant GetCurrentValue() const;
    virtual Variant GetEditValue() const { return editValue_; }
    virtual TcxInnerEditClass GetInnerEditClass() const { return kind_.InnerEditClass; }
    virtual void HandleValidationError(const std::string& errorText, bool raise);
    // Runs once from the constructor; a kind adds to it in its own constructor.
    virtual void InitEdit();
    virtual void InplaceEditDataReleased() {}
    virtual void InitializeInnerEdit();
    virtual void FillViewState(TcxEditViewState& state);
    virtual bool IsEditingAllowed() const { return true; }
    virtual Variant GetEditingValue() const { return GetEditValue(); }
    // A concrete editor stores the validated value here.
    virtual void ApplyDisplayValue(const Variant&) {}
    virtual void StoreEditValue(const Variant& value);
    virtual void SetEditValueKeepModified(const Variant& value);
    virtual bool HasFocusOrActiveForm() const;
    virtual bool PaintsButtonsItself() const { return false; }
    virtual bool ClicksWhileLoading() const { return false; }
    virtual bool PaintsThroughStorage() const;
    // A default button exists and the shortcut is the properties' ButtonClickKey.
    virtual bool HandleClickKey(WORD key, TShiftState shift);
    virtual bool IsEditValueSaved() const { return !GetEditValue().IsNull(); }
    // A descendant's own reason to paint see-through; false here.
    virtual bool IsTransparentHook() const { return false; }
    virtual bool IsTransparent() const;
    virtual bool IsCharAllowed(char character) const;
    virtual bool WantsAfterKeyDown(WORD, TShiftState) const { return false; }
    virtual void PaintWithFreshViewInfo();
    virtual void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const;
    virtual void RepaintChanged(const TcxCustomEditViewInfo& old);
    // The properties' change notification.
    virtual void ApplyProperties(TcxCustomEditProperties& properties);
    virtual bool IsReadOnlyNow() const;
    virtual void RepositoryItemChangedHook() {}
    virtual void RepositoryItemChangingHook() {}
    virtual void RevertValue();
    virtual bool ForwardsActivationKey(char) const { return true; }
    virtual bool ReservedTest1() const { return false; }
    virtual void SetAutoSize(bool value);
    // Ignored while OnEditing runs.
    virtual void SetEditValue(const Variant& value);
    virtual void SetEditValueChecked(const Variant& value);
    // Puts a display value into the visible text.
    virtual void ShowDisplayValue(const Variant&) {}
    virtual void UpdateDisplay() {}
    virtual void ReservedHook2() {}
    virtual bool IsInplaceNow() const { return inPlace_; }
    virtual bool RefreshOnStore() const { return true; }
    virtual void AfterValidation() {}
    virtual bool CheckEditingKey(WORD key, TShiftState shift);
    virtual void DoKeyPressEditing(char& key);
    virtual bool KeyDownConsumed() const { return false; }
    virtual void InnerEditWndProc(TMessage& m);
    virtual void HookInnerEditWindow();
    virtual void UnhookInnerEditWindow();
    virtual void BeginInplaceEditing(TcxInplaceEditData* editData);
    virtual void ActivateByKey(char key, TcxInplaceEditData* editData);
    // x, y in the parent's client coordinates.
    virtual void ActivateByMouse(TShiftState shift, int x, int y, TcxInplaceEditData* editData);
    virtual void ClearValue();
    virtual void CopyHook() {}
    virtual void CutHook() {}
    virtual bool ValidateNow();
    virtual TcxCustomEditPropertiesClass GetPropertiesClass() const { return kind_.PropertiesClass; }
    virtual bool IsChildWindowOf(HWND window) const;
    virtual bool IsInnerEditVisible() const { return false; }
    // None is always accepted.
    virtual bool CanUseProperties(const TcxEditRepositoryItem* item) const;
    virtual void PasteHook() {}
    virtual void ConvertTextToValue() {}
    virtual void SelectAll() {}

    // What the editor kinds override beyond the table: the shown text from
    // the edit value again, and the edit value a display value stands for.
    virtual void RestoreDisplayValue() {}
    virtual void PrepareEditValue(const Variant& displayValue, Variant& editValue, bool editFocused);

    // The OnValidate handlers, own first: the properties' ValidateValue runs
    // them. An error that left the value's text alone shows the current text.
    void CallOnValidate(Variant& displayValue, std::string& errorText, bool& error);

    // Form streaming.
    void Loaded() override;
    void ReadState() override;
    void SetName(const std::string& name) override;
    // The first real parent completes the creation.
    void SetParent(TWinControl* parent) override;

    // What the container asks of the editor.
    // The view data computes the view information, with the buttons held
    // that UpdateViewInfo was given.
    void ComputeViewInfo(POINT p, bool hotTrackAllowed) override;
    TcxContainerInsets GetContentInsets() override;
    // Raises SettingWindowRegion meanwhile.
    void UpdateWindowRegion() override;
    // The editor moves the focus on Tab itself.
    bool MovesFocusOnTab() const override { return false; }
    void PlaceInnerControl() override;
    bool UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent = false) override;
    bool IsNativeStyle() const override;
    bool IsTransparentLook() const override { return IsTransparent(); }
    void FocusInnerControl() override;
    bool RunsInplace() const override { return inPlace_; }
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 0xFC00; }
    void GetTabOrderList(std::vector<TControl*>& list) const override;

    TcxEditEditingEvent OnEditing;
    // Fired when an in-place editor posts.
    TNotifyEvent OnInplacePost;
    // Keys the editor does not use itself.
    TcxEditAfterKeyDownEvent AfterKeyDownHandler;

protected:
    // Hands its keys, mouse and focus changes over first.
    friend class TcxInnerEditControl;

    // An editor kind passes its classes (see TcxEditKind).
    TcxCustomEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind);

    // The properties' OnChange and OnEditValueChanged, held back while
    // locked; the own properties' handlers first, then the item's.
    void FireChange();
    void FireEditValueChanged();
    // The user changed the value by a click: then Click, unless locked.
    void ClickModified();
    // Whether the own properties or the linked item's have that handler.
    template <class E>
    bool HasPropertiesHandler(E TcxCustomEditProperties::*event) const
    {
        return (properties_.get()->*event) || (repositoryItem_ && (repositoryItem_->EditProperties().*event));
    }
    // The handler of the own properties, then the item's, while the editor lives.
    template <class E, class... A>
    void CallPropertiesHandlers(E TcxCustomEditProperties::*event, A&... args)
    {
        const TLiveness alive = Liveness();
        CallHandler(properties_.get()->*event, static_cast<TComponent&>(*this), args...);
        if (alive && repositoryItem_)
            CallHandler(repositoryItem_->EditProperties().*event, static_cast<TComponent&>(*this), args...);
    }

    // Control operations.
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    void FocusChanged() override;
    bool CanResize(int& newWidth, int& newHeight) override;
    void Paint() override;
    void WndProc(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;
    void Notification(TComponent* component, TOperation operation) override;
    const TMessageMap& Messages() const override;
    void CMDialogChar(TMessage& m);
    void CMShowingChanged(TMessage& m);
    void WMCopy(TMessage& m);
    void WMCut(TMessage& m);
    void WMPaste(TMessage& m);

    // The focus exit: validates, posts, then fires OnExit; an invalid text
    // raises and leaves OnExit unfired.
    void FocusExit();
    // The size auto size makes of width and height, when it is on.
    void ApplyAutoSize(int& width, int& height);
    // Paints a view information on the paint's own canvas; see BeforeDestruction.
    void PaintView(TcxCustomEditViewInfo& vi);
    // An editor freed by a draw handler hands its view information to the
    // paint that runs, which frees it when it ends.
    void BeforeDestruction() override;

    // State shared with the editor kinds.
    bool byUserInput_ = false;
    bool escapeReverted_ = false;
    bool reportingError_ = false;
    bool validationRunning_ = false;
    bool hasFocusState_ = false;
    bool settingWindowRegion_ = false;
    bool creating_ = false;
    bool awaitingParent_ = false;
    bool inplaceEditingBegun_ = false;
    // The properties in force ask for a see-through background.
    bool transparent_ = false;
    int capturedButton_ = -1;
    Variant valueAtFocus_;
    TcxInplaceEditData* inplaceEditData_ = nullptr;
    // Measured once at creation; an in-place editor copies them into every view data.
    TcxEditContentParams cachedContentMetrics_{};
    bool contentMetricsComputed_ = false;
    // The inner control's message entry that the hook replaced.
    TWndMethod innerEditPrevWndProc_;
    bool innerEditHooked_ = false;
    // The keys and buttons that the view information is computed for.
    TShiftState computeShift_ = 0;
    bool gettingHeight_ = false;
    // Where the paint that runs keeps the view information; none outside a paint.
    std::unique_ptr<TcxContainerViewInfo>* paintKeep_ = nullptr;

private:
    // The item tells of its properties' changes and of its removal.
    void ItemRemoved(TcxEditRepositoryItem& sender) override;
    void ItemPropertiesChanged(TcxEditRepositoryItem& sender) override;
    // Gives the own properties the change notification (or takes it away).
    void ConnectPropertiesNotification(bool connect);
    // Neither loading nor being destroyed.
    bool Settled() const;
    // Not by the user's keys, or the user may edit now.
    bool UserMayStore();
    // A change event noted while locked, else called; in place with the
    // editor marked modified for the handlers' duration.
    void FireHeldEvent(void (TcxEditChangeEventsCatcher::*note)(), void (TcxCustomEdit::*call)());

    TcxEditKind kind_;
    std::unique_ptr<TcxEditChangeEventsCatcher> changeEventsCatcher_;
    std::unique_ptr<TcxCustomEditProperties> properties_;
    TcxEditRepositoryItem* repositoryItem_ = nullptr;
    Variant editValue_ = Variant::Null();
    std::unique_ptr<TcxEditDataBinding> dataBinding_;
    IcxCustomInnerEdit* innerEdit_ = nullptr;
    std::unique_ptr<TcxTimer> doubleClickTimer_;
    std::unique_ptr<TcxInplaceEditData> ownedEditData_;
    bool inPlace_ = false;
    bool autoSize_ = true;
    bool modified_ = false;
    bool modifiedSinceFocus_ = false;
    bool valueValidated_ = false;
    bool validationLocked_ = false;
    bool posting_ = false;
    int clickLocks_ = 0;
    int editingEventLock_ = 0;
    bool inEditingEvent_ = false;
    std::vector<std::pair<bool, bool>> modifiedStack_;
};
