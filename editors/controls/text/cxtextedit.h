// The single-line text editor: the generic editor with an EDIT inside,
// echo and letter case, formats, the maximum length, insertion and
// clipboard rules, selection helpers and the lookup items' hooks. The
// masked, spin and time editors derive from it.
#pragma once

#include <memory>
#include <string>

#include "classlib/imemode.h"
#include "editors/controls/text/cxinnertextedit.h"
#include "editors/controls/text/cxtexteditlookupdataintf.h"
#include "editors/controls/text/cxtexteditproperties.h"
#include "editors/edit/editor/cxedit.h"
#include "editors/edit/formats/cxformats.h"

class TcxCustomTextEdit : public TcxCustomEdit, private IcxFormatListener {
public:
    explicit TcxCustomTextEdit(TComponent* owner = nullptr, bool inPlace = false);
    ~TcxCustomTextEdit() override;

    // The own properties (EditProperties), as text properties.
    TcxCustomTextEditProperties& TextProperties() const
    {
        return static_cast<TcxCustomTextEditProperties&>(EditProperties());
    }
    TcxCustomTextEditProperties& ActiveProperties() const
    {
        return static_cast<TcxCustomTextEditProperties&>(GetEffectiveProperties());
    }
    // The inner edit's interface; none before it exists.
    IcxInnerTextEdit* InnerTextEdit() const;
    // The inner EDIT itself; none before it exists.
    TcxCustomInnerTextEdit* InnerTextEditControl() const;
    IcxTextEditLookupData* LookupData() const { return lookupData_.get(); }

    // The editor's text: the inner edit's, else the kept one.
    std::string Text() const { return GetDisplayText(); }
    // Applies a text as the display value, unchecked.
    virtual void SetText(const std::string& value);

    // Byte offsets of the selection; 0 and no change where the mode shows
    // no caret (temNoEdit, or temFixedList without a find selection).
    int SelectionStart() const;
    void SetSelectionStart(int value);
    int SelectionLength() const;
    void SetSelectionLength(int value);
    std::string SelectedText() const;
    void SelectRange(int start, int length);
    // The byte index of the character at the caret's x, found from the
    // EDIT's character positions.
    int CaretCharIndex() const;

    bool FindSelection() const { return findSelection_; }
    void SetFindSelection(bool value);
    bool BeepOnEnter() const { return beepOnEnter_; }
    void SetBeepOnEnter(bool value) { beepOnEnter_ = value; }
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value);
    const TImeName& ImeName() const { return imeName_; }
    void SetImeName(const TImeName& value);
    // Set while the change comes from the user's keys, a paste, cut or clear.
    bool KeyboardAction() const { return keyboardAction_; }
    bool LookupDataTextChangedLocked() const { return lookupTextLocked_; }
    void LockLookupDataTextChanged(bool lock) { lookupTextLocked_ = lock; }
    // Explicit visibility of the inner edit, over the rule of IsInnerEditVisible.
    void ShowInnerEdit(bool show);
    void HideInnerEdit(bool hide);

    void CopyToClipboard();
    virtual void CutToClipboard();
    virtual void PasteFromClipboard();

    // The slots the text editor adds, in their class's order.
    virtual void RefreshProperties();
    virtual void SyncInnerEditAppearance();
    // The text and caret after inserting text at the selection; false: refused.
    virtual bool PrepareTextInsertion(const std::string& text, std::string& newText, int& caret);
    virtual void CheckBoundsAfterApply();
    virtual void BoundsCheckHook() {}
    virtual void DoNewLookupDisplayText(const std::string& text);
    virtual int InnerTextHeight() const;
    virtual int ItemIndex() const;
    virtual void* ItemObject() const;
    virtual bool LookupNavigationAllowed(bool) const { return false; }
    virtual void LookupItemSelected();
    virtual std::string TextForGetText() const { return GetDisplayText(); }
    virtual bool TextFromSetText(const std::string& text) { return ApplyTextChecked(text); }
    virtual Variant ItemIndexToLookupKey(int index) const { return Variant(index); }
    virtual Variant LookupKeyToEditValue(const Variant& key) const;
    virtual int LookupKeyToItemIndex(const Variant& key) const;
    virtual bool NeedsRevalidation() const;
    virtual void ResetFindSelection();
    virtual void SelectionChangedHook() {}
    virtual void SetTextByUser(const std::string& text);
    virtual void SetItemIndex(int value);
    virtual void InsertText(const std::string& text);
    virtual void UndoneHook() {}
    virtual void RevalidateDisplay();
    virtual void DeleteSelectionText();
    virtual void Undo() { RevertValue(); }

    // The shown text becomes the edit value when valid (and, from the
    // keyboard, when editing may start); false: refused.
    bool ApplyTextChecked(const std::string& text);
    // The edit value again from the shown text.
    void SyncEditValue();
    // Repaints the text the view information shows.
    void UpdateDrawValue();

    // Overrides of the generic editor.
    void ApplyProperties(TcxCustomEditProperties& properties) override;
    void UpdateDisplay() override;
    std::string GetDisplayText() const override;
    Variant GetEditingValue() const override;
    void ApplyDisplayValue(const Variant& value) override;
    void SetEditValueKeepModified(const Variant& value) override;
    bool IsCharAllowed(char character) const override;
    bool IsEditingAllowed() const override;
    void RestoreDisplayValue() override;
    void ShowDisplayValue(const Variant& value) override;
    bool KeyDownConsumed() const override;
    bool IsValueChangingKey(WORD key, TShiftState shift) const override;
    bool IsValueChangingChar(char c) const override;
    void ContentChanged() override;
    void DoEditKeyDown(WORD& key, TShiftState shift) override;
    void DoEditKeyPress(char& key) override;
    void AdjustInnerEditPosition() override;
    void PlaceInnerControl() override;
    bool IsInnerEditVisible() const override;
    bool UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent = false) override;
    void BeginInplaceEditing(TcxInplaceEditData* editData) override;
    void CopyHook() override;
    void CutHook() override;
    void PasteHook() override;
    void SelectAll() override;
    void PrepareEditValue(const Variant& displayValue, Variant& editValue, bool editFocused) override;
    TcxEditSizeProperties GetSizeRequest() const override;
    void InnerEditWndProc(TMessage& m) override;
    void UnhookInnerEditWindow() override;
    void Loaded() override;

    // The inner EDIT hands these over first.
    using TcxCustomEdit::DblClick;
    using TcxCustomEdit::FocusChanged;
    using TcxCustomEdit::KeyDown;
    void KeyPress(char& key) override;
    using TcxCustomEdit::KeyUp;
    using TcxCustomEdit::MouseDown;
    using TcxCustomEdit::MouseMove;
    using TcxCustomEdit::MouseUp;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;

    // Margins of the inner edit inside the client area, in pixels.
    int InnerEditLeftMargin = 0;
    int InnerEditTopMargin = 0;
    int InnerEditRightMargin = 0;
    int InnerEditBottomMargin = 0;

protected:
    // A kind derived from the text editor passes its classes.
    TcxCustomTextEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind);

    void DoExit() override;
    void WndProc(TMessage& m) override;
    const TMessageMap& Messages() const override;

    // The text editing mode of the properties in force.
    TcxTextEditingMode EditingMode() const { return ActiveProperties().GetEditingMode(); }
    // Whether the mode exposes the caret and the selection now.
    bool ShowsSelection() const;

    bool findSelection_ = false;
    bool keyboardAction_ = false;
    bool lookupTextLocked_ = false;
    bool synchronizingDisplay_ = false;
    bool internalTextSetting_ = false;
    bool adjustingInnerEdit_ = false;
    bool innerEditShown_ = false;
    bool innerEditHidden_ = false;

private:
    // What the text editor adds to the generic editor's InitEdit.
    void InitTextEdit();
    void FormatChanged() override;
    void WMGetText(TMessage& m);
    void WMGetTextLength(TMessage& m);
    void WMSetText(TMessage& m);
    void WMClear(TMessage& m);
    void WMUndo(TMessage& m);
    // Sets keyboardAction_ to value for the scope's duration.
    class TKeyboardActionScope;

    std::unique_ptr<IcxTextEditLookupData> lookupData_;
    bool beepOnEnter_ = true;
    TImeMode imeMode_ = TImeMode::imDontCare;
    TImeName imeName_;
    // What WM_GETTEXT answers once the properties are gone.
    std::string keptText_;
    bool destroying_ = false;
};

// The published form.
class TcxTextEdit : public TcxCustomTextEdit {
public:
    explicit TcxTextEdit(TComponent* owner = nullptr, bool inPlace = false);

    TcxTextEditProperties& TextEditProperties() const
    {
        return static_cast<TcxTextEditProperties&>(EditProperties());
    }
    // Writing copies.
    void SetProperties(const TcxTextEditProperties& value) { TextEditProperties().Assign(value); }

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
};

// TcxTextEdit's class record, made by name from form text.
extern const TcxClass cxTextEditClass;
// The kind of TcxCustomTextEdit and of TcxTextEdit.
extern const TcxEditKind cxCustomTextEditKind;
extern const TcxEditKind cxTextEditKind;
