// The EDIT window inside every text editor, and the companion object through
// which the editor reaches it: the EDIT types, moves the caret and selects,
// the editor decides everything else.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "classlib/customedit.h"
#include "classlib/imemode.h"
#include "classlib/variant.h"
#include "editors/controls/text/cxtexteditmodes.h"
#include "editors/edit/editor/cxinneredit.h"
#include "editors/edit/editor/cxinnereditcontrol.h"
#include "editors/foundation/core/cxclasses.h"

class TcxCustomTextEdit;
class TcxCustomInnerTextEdit;

// The inner edit before a key reached the EDIT; Saved once taken.
struct TcxCustomInnerTextEditPrevState {
    bool Saved = false;
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
};

// Runs after every selection change the editor makes.
using TcxInnerTextEditSelectionEvent = std::function<void()>;

// {263EBB8D-1EA9-4CAC-8367-ADD74D2A9651}: what a text editor asks of its
// inner control beyond IcxCustomInnerEdit, in slot order. Positions and
// lengths are bytes of the GBK text.
class IcxInnerTextEdit {
public:
    virtual TcxCustomTextEdit& OwnerEdit() = 0;
    // The EDIT class's own window procedure, past every hook.
    virtual LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    virtual Variant GetEditValue() = 0;
    virtual const TcxInnerEditChangeEvent& GetOnChange() const = 0;
    virtual bool GetReadOnly() const = 0;
    // Counted; unlocking never goes below 0.
    virtual void LockBounds(bool lock) = 0;
    // Focuses the EDIT with its auto-select off for that moment.
    virtual void SafelySetFocus() = 0;
    // At design time the change event fires when the text changed.
    virtual void SetEditValue(const Variant& value) = 0;
    virtual void ClearSelection() = 0;
    virtual void CopyToClipboard() = 0;
    virtual void CutToClipboard() = 0;
    virtual TAlignment GetAlignment() const = 0;
    virtual bool GetAutoSelect() const = 0;
    virtual TEditCharCase GetCharCase() const = 0;
    virtual TcxEditEchoMode GetEchoMode() const = 0;
    virtual bool GetHideSelection() const = 0;
    // The second byte of a double-byte character announced by WM_IME_CHAR
    // while both its characters are pending, else 0.
    virtual char GetImeLastChar() const = 0;
    virtual TImeMode GetImeMode() const = 0;
    virtual TImeName GetImeName() const = 0;
    virtual bool GetKeyHandled() const = 0;
    virtual int GetMaxLength() const = 0;
    virtual bool IsInternalUpdating() const = 0;
    virtual bool GetOEMConvert() const = 0;
    virtual const TcxInnerTextEditSelectionEvent& GetOnSelChange() const = 0;
    virtual char GetPasswordChar() const = 0;
    // While IME characters are pending: the selection saved when they were announced.
    virtual int GetSelLength() const = 0;
    virtual int GetSelStart() const = 0;
    virtual std::string GetSelText() const = 0;
    virtual void SelectAll() = 0;
    // Left whenever the owner's properties align left while editing; a
    // change makes the window again.
    virtual void SetAlignment(TAlignment value) = 0;
    virtual void SetAutoSelect(bool value) = 0;
    virtual void SetCharCase(TEditCharCase value) = 0;
    virtual void SetEchoMode(TcxEditEchoMode value) = 0;
    virtual void SetHideSelection(bool value) = 0;
    virtual void SetKeyHandled(bool value) = 0;
    virtual void SetImeMode(TImeMode value) = 0;
    virtual void SetImeName(const TImeName& value) = 0;
    // In characters; 0: no limit.
    virtual void SetMaxLength(int value) = 0;
    virtual void SetOEMConvert(bool value) = 0;
    virtual void SetOnSelChange(TcxInnerTextEditSelectionEvent handler) = 0;
    virtual void SetPasswordChar(char value) = 0;
    // Only with a window; while IME characters are pending they are kept
    // and applied once the characters arrived.
    virtual void SetSelLength(int value) = 0;
    virtual void SetSelStart(int value) = 0;
    virtual void SetSelText(const std::string& value) = 0;

protected:
    ~IcxInnerTextEdit() = default;
};

// Answers both interfaces on behalf of its inner edit.
class TcxCustomInnerTextEditHelper : public TcxInterfacedPersistent,
                                     public IcxCustomInnerEdit,
                                     public IcxInnerTextEdit {
public:
    explicit TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit& edit);

    TcxCustomInnerTextEdit& Edit() const { return edit_; }

    // IcxCustomInnerEdit
    TWinControl& WinControl() override;
    void FocusInner() override;
    void AttachToEditor(TcxCustomEdit& edit) override;
    void SetChangeNotification(TcxInnerEditChangeEvent handler) override;
    void SetReadOnlyState(bool value) override;

    // IcxInnerTextEdit
    TcxCustomTextEdit& OwnerEdit() override;
    LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    Variant GetEditValue() override;
    const TcxInnerEditChangeEvent& GetOnChange() const override;
    bool GetReadOnly() const override;
    void LockBounds(bool lock) override;
    void SafelySetFocus() override;
    void SetEditValue(const Variant& value) override;
    void ClearSelection() override;
    void CopyToClipboard() override;
    void CutToClipboard() override;
    TAlignment GetAlignment() const override;
    bool GetAutoSelect() const override;
    TEditCharCase GetCharCase() const override;
    TcxEditEchoMode GetEchoMode() const override;
    bool GetHideSelection() const override;
    char GetImeLastChar() const override;
    TImeMode GetImeMode() const override;
    TImeName GetImeName() const override;
    bool GetKeyHandled() const override;
    int GetMaxLength() const override;
    bool IsInternalUpdating() const override { return false; }
    bool GetOEMConvert() const override;
    const TcxInnerTextEditSelectionEvent& GetOnSelChange() const override;
    char GetPasswordChar() const override;
    int GetSelLength() const override;
    int GetSelStart() const override;
    std::string GetSelText() const override;
    void SelectAll() override;
    void SetAlignment(TAlignment value) override;
    void SetAutoSelect(bool value) override;
    void SetCharCase(TEditCharCase value) override;
    void SetEchoMode(TcxEditEchoMode value) override;
    void SetHideSelection(bool value) override;
    void SetKeyHandled(bool value) override;
    void SetImeMode(TImeMode value) override;
    void SetImeName(const TImeName& value) override;
    void SetMaxLength(int value) override;
    void SetOEMConvert(bool value) override;
    void SetOnSelChange(TcxInnerTextEditSelectionEvent handler) override;
    void SetPasswordChar(char value) override;
    void SetSelLength(int value) override;
    void SetSelStart(int value) override;
    void SetSelText(const std::string& value) override;

    // The selection when IME characters were announced, applied again
    // once they arrived.
    int SavedSelStart = 0;
    int SavedSelLength = 0;

private:
    TcxCustomInnerTextEdit& edit_;
};

class TcxCustomInnerTextEdit : public TcxInnerEditControl, public IcxInnerEditHelper {
public:
    explicit TcxCustomInnerTextEdit(TComponent* owner);
    ~TcxCustomInnerTextEdit() override;
    // The inner edit class of the text editors.
    static std::unique_ptr<TComponent> Create(TcxCustomEdit& edit);

    IcxCustomInnerEdit& GetHelper() override { return *helper_; }
    TcxCustomInnerTextEditHelper& Helper() const { return *helper_; }
    // None until the editor attaches it.
    TcxCustomTextEdit* Container() const { return container_; }

    // Left, centre or right; a change makes the window again.
    TAlignment InnerAlignment() const { return Alignment(); }
    void SetInnerAlignment(TAlignment value);
    TcxEditEchoMode EchoMode() const { return echoMode_; }
    void SetEchoMode(TcxEditEchoMode value);
    // The character set by the editor; the EDIT shows '*' for 0 in password mode.
    char EditPasswordChar() const { return passwordChar_; }
    void SetEditPasswordChar(char value);
    int MaxLength() const { return maxLength_; }
    // In characters; 0 lifts the EDIT's default limit.
    void SetInnerMaxLength(int value);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value) { imeMode_ = value; }
    const TImeName& ImeName() const { return imeName_; }
    void SetImeName(const TImeName& value) { imeName_ = value; }

    bool KeyHandled() const { return keyHandled_; }
    void SetKeyHandled(bool value) { keyHandled_ = value; }
    // Characters still due after WM_IME_CHAR (2 for a double-byte one), and
    // the second byte of that character.
    int ImeCharCount() const { return imeCharCount_; }
    char ImeLastChar() const { return imeLastChar_; }
    int BoundsLockCount() const { return boundsLock_; }
    void LockBounds(bool lock);

    TcxInnerTextEditSelectionEvent OnSelChange;

    void SetBounds(int left, int top, int width, int height) override;
    // Focus without selecting all for that moment.
    void SafelySetFocus();
    // Sends EM_SETSEL and tells the editor.
    void SelectBytes(int start, int length);

    // What the editor hands over: it attaches once it is whole.
    void Attach(TcxCustomTextEdit& edit);
    // The editor is going: nothing is handed over any more.
    void Detach();

protected:
    void HandleCreated() override;
    const TMessageMap& Messages() const override;
    void WndProc(TMessage& m) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Click() override;

private:
    void WMGetDlgCode(TMessage& m);
    void WMKeyDown(TMessage& m);
    void WMChar(TMessage& m);
    void WMImeChar(TMessage& m);
    void WMImeComposition(TMessage& m);
    void WMSize(TMessage& m);
    void WMNCPaint(TMessage& m);
    void WMEraseBackground(TMessage& m);
    void WMClipboard(TMessage& m);
    void WMMouseWheel(TMessage& m);

    bool TakeTrailByte(BYTE lead, BYTE& trail);
    // Both bytes through the key-press path, then into the EDIT in one go.
    void TypePair(BYTE lead, BYTE trail);
    TcxCustomInnerTextEditPrevState TakeState() const;
    bool SameState(const TcxCustomInnerTextEditPrevState& state) const;

    std::unique_ptr<TcxCustomInnerTextEditHelper> helper_;
    TcxCustomTextEdit* container_ = nullptr;
    TcxEditEchoMode echoMode_ = eemNormal;
    char passwordChar_ = 0;
    int maxLength_ = 0;
    TImeMode imeMode_ = TImeMode::imDontCare;
    TImeName imeName_;
    int boundsLock_ = 0;
    bool creating_ = true;
    bool keyHandled_ = false;
    int imeCharCount_ = 0;
    char imeLastChar_ = 0;
    // A lead byte whose trail byte was not queued yet.
    BYTE pendingLead_ = 0;
};
