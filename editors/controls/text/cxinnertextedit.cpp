// The inner EDIT's settings and its companion, which forwards each
// interface operation to it.
#include "editors/controls/text/cxinnertextedit.h"

#include <algorithm>

#include "classlib/liveness.h"
#include "editors/controls/text/cxtextedit.h"

TcxCustomInnerTextEdit::TcxCustomInnerTextEdit(TComponent* owner)
    : TcxInnerEditControl(owner), helper_(std::make_unique<TcxCustomInnerTextEditHelper>(*this))
{
    SetParentColor(true);
    SetParentFont(false);
}

TcxCustomInnerTextEdit::~TcxCustomInnerTextEdit() = default;

std::unique_ptr<TComponent> TcxCustomInnerTextEdit::Create(TcxCustomEdit& edit)
{
    return std::make_unique<TcxCustomInnerTextEdit>(&edit);
}

void TcxCustomInnerTextEdit::Attach(TcxCustomTextEdit& edit)
{
    container_ = &edit;
    AttachEditor(edit);
}

void TcxCustomInnerTextEdit::Detach()
{
    container_ = nullptr;
    DetachEditor();
}

void TcxCustomInnerTextEdit::HandleCreated()
{
    TCustomEdit::HandleCreated();
    // 0 lifts the EDIT's default limit of 30,000 characters.
    SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    SetMargins(0, 1);
    creating_ = false;
}

void TcxCustomInnerTextEdit::SetInnerAlignment(TAlignment value)
{
    if (container_ && container_->ActiveProperties().UseLeftAlignmentOnEditing())
        value = TAlignment::taLeftJustify;
    SetAlignment(value);
}

void TcxCustomInnerTextEdit::SetEchoMode(TcxEditEchoMode value)
{
    if (echoMode_ == value)
        return;
    echoMode_ = value;
    SetEditPasswordChar(passwordChar_);
}

void TcxCustomInnerTextEdit::SetEditPasswordChar(char value)
{
    passwordChar_ = value;
    SetPasswordChar(echoMode_ == eemPassword ? (value ? value : '*') : '\0');
}

void TcxCustomInnerTextEdit::SetInnerMaxLength(int value)
{
    maxLength_ = std::max(value, 0);
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TcxCustomInnerTextEdit::LockBounds(bool lock)
{
    if (lock)
        ++boundsLock_;
    else if (boundsLock_ > 0)
        --boundsLock_;
}

void TcxCustomInnerTextEdit::SetBounds(int left, int top, int width, int height)
{
    if (creating_ && !HandleAllocated() && !container_)
        return;
    if (boundsLock_ > 0)
        return;
    TCustomEdit::SetBounds(left, top, width, height);
}

void TcxCustomInnerTextEdit::SafelySetFocus()
{
    const bool autoSelect = AutoSelect();
    TCustomEdit::SetAutoSelect(false);
    const TLiveness alive = Liveness();
    if (CanFocus())
        SetFocus();
    if (alive)
        TCustomEdit::SetAutoSelect(autoSelect);
}

void TcxCustomInnerTextEdit::SelectBytes(int start, int length)
{
    if (!HandleAllocated())
        return;
    const std::string text = Text();
    start = std::clamp(start, 0, static_cast<int>(text.size()));
    length = std::clamp(length, 0, static_cast<int>(text.size()) - start);
    SetSel(text, start, start + length);
    if (OnSelChange)
        OnSelChange();
}

// Companion

TcxCustomInnerTextEditHelper::TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit& edit)
    : TcxInterfacedPersistent(nullptr), edit_(edit)
{
}

TWinControl& TcxCustomInnerTextEditHelper::WinControl()
{
    return edit_;
}

void TcxCustomInnerTextEditHelper::FocusInner()
{
    if (edit_.CanFocus())
        edit_.SetFocus();
}

void TcxCustomInnerTextEditHelper::AttachToEditor(TcxCustomEdit& edit)
{
    if (auto* text = dynamic_cast<TcxCustomTextEdit*>(&edit))
        edit_.Attach(*text);
    else
        edit_.SetParent(&edit);
}

void TcxCustomInnerTextEditHelper::SetChangeNotification(TcxInnerEditChangeEvent handler)
{
    edit_.ChangeHandler = std::move(handler);
}

void TcxCustomInnerTextEditHelper::SetReadOnlyState(bool value)
{
    edit_.SetReadOnly(value);
}

TcxCustomTextEdit& TcxCustomInnerTextEditHelper::OwnerEdit()
{
    return *edit_.Container();
}

LRESULT TcxCustomInnerTextEditHelper::CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!edit_.HandleAllocated())
        return 0;
    TMessage m{msg, wParam, lParam, 0};
    edit_.DefaultHandler(m);
    return m.Result;
}

Variant TcxCustomInnerTextEditHelper::GetEditValue()
{
    return Variant(edit_.Text());
}

const TcxInnerEditChangeEvent& TcxCustomInnerTextEditHelper::GetOnChange() const
{
    return edit_.ChangeHandler;
}

bool TcxCustomInnerTextEditHelper::GetReadOnly() const
{
    return edit_.ReadOnly();
}

void TcxCustomInnerTextEditHelper::LockBounds(bool lock)
{
    edit_.LockBounds(lock);
}

void TcxCustomInnerTextEditHelper::SafelySetFocus()
{
    edit_.SafelySetFocus();
}

void TcxCustomInnerTextEditHelper::SetEditValue(const Variant& value)
{
    // The EDIT tells of a changed text itself (EN_CHANGE).
    const std::string text = VarToStr(value);
    if (edit_.Text() != text)
        edit_.SetText(text);
}

void TcxCustomInnerTextEditHelper::ClearSelection()
{
    edit_.ClearSelection();
}

void TcxCustomInnerTextEditHelper::CopyToClipboard()
{
    edit_.CopyToClipboard();
}

void TcxCustomInnerTextEditHelper::CutToClipboard()
{
    edit_.CutToClipboard();
}

TAlignment TcxCustomInnerTextEditHelper::GetAlignment() const
{
    return edit_.Alignment();
}

bool TcxCustomInnerTextEditHelper::GetAutoSelect() const
{
    return edit_.AutoSelect();
}

TEditCharCase TcxCustomInnerTextEditHelper::GetCharCase() const
{
    return edit_.CharCase();
}

TcxEditEchoMode TcxCustomInnerTextEditHelper::GetEchoMode() const
{
    return edit_.EchoMode();
}

bool TcxCustomInnerTextEditHelper::GetHideSelection() const
{
    return edit_.HideSelection();
}

char TcxCustomInnerTextEditHelper::GetImeLastChar() const
{
    return edit_.ImeCharCount() == 2 ? edit_.ImeLastChar() : '\0';
}

TImeMode TcxCustomInnerTextEditHelper::GetImeMode() const
{
    return edit_.ImeMode();
}

TImeName TcxCustomInnerTextEditHelper::GetImeName() const
{
    return edit_.ImeName();
}

bool TcxCustomInnerTextEditHelper::GetKeyHandled() const
{
    return edit_.KeyHandled();
}

int TcxCustomInnerTextEditHelper::GetMaxLength() const
{
    return edit_.MaxLength();
}

bool TcxCustomInnerTextEditHelper::GetOEMConvert() const
{
    return edit_.OEMConvert();
}

const TcxInnerTextEditSelectionEvent& TcxCustomInnerTextEditHelper::GetOnSelChange() const
{
    return edit_.OnSelChange;
}

char TcxCustomInnerTextEditHelper::GetPasswordChar() const
{
    return edit_.EditPasswordChar();
}

int TcxCustomInnerTextEditHelper::GetSelLength() const
{
    return edit_.ImeCharCount() > 0 ? SavedSelLength : edit_.SelLength();
}

int TcxCustomInnerTextEditHelper::GetSelStart() const
{
    return edit_.ImeCharCount() > 0 ? SavedSelStart : edit_.SelStart();
}

std::string TcxCustomInnerTextEditHelper::GetSelText() const
{
    return edit_.SelText();
}

void TcxCustomInnerTextEditHelper::SelectAll()
{
    if (edit_.HandleAllocated())
        edit_.SelectAll();
}

void TcxCustomInnerTextEditHelper::SetAlignment(TAlignment value)
{
    edit_.SetInnerAlignment(value);
}

void TcxCustomInnerTextEditHelper::SetAutoSelect(bool value)
{
    edit_.TCustomEdit::SetAutoSelect(value);
}

void TcxCustomInnerTextEditHelper::SetCharCase(TEditCharCase value)
{
    edit_.TCustomEdit::SetCharCase(value);
}

void TcxCustomInnerTextEditHelper::SetEchoMode(TcxEditEchoMode value)
{
    edit_.SetEchoMode(value);
}

void TcxCustomInnerTextEditHelper::SetHideSelection(bool value)
{
    edit_.TCustomEdit::SetHideSelection(value);
}

void TcxCustomInnerTextEditHelper::SetKeyHandled(bool value)
{
    edit_.SetKeyHandled(value);
}

void TcxCustomInnerTextEditHelper::SetImeMode(TImeMode value)
{
    edit_.SetImeMode(value);
}

void TcxCustomInnerTextEditHelper::SetImeName(const TImeName& value)
{
    edit_.SetImeName(value);
}

void TcxCustomInnerTextEditHelper::SetMaxLength(int value)
{
    edit_.SetInnerMaxLength(value);
}

void TcxCustomInnerTextEditHelper::SetOEMConvert(bool value)
{
    edit_.TCustomEdit::SetOEMConvert(value);
}

void TcxCustomInnerTextEditHelper::SetOnSelChange(TcxInnerTextEditSelectionEvent handler)
{
    edit_.OnSelChange = std::move(handler);
}

void TcxCustomInnerTextEditHelper::SetPasswordChar(char value)
{
    edit_.SetEditPasswordChar(value);
}

void TcxCustomInnerTextEditHelper::SetSelLength(int value)
{
    if (!edit_.HandleAllocated())
        return;
    if (edit_.ImeCharCount() > 0) {
        SavedSelLength = value;
        return;
    }
    edit_.SelectBytes(edit_.SelStart(), value);
}

void TcxCustomInnerTextEditHelper::SetSelStart(int value)
{
    if (!edit_.HandleAllocated())
        return;
    if (edit_.ImeCharCount() > 0) {
        SavedSelStart = value;
        return;
    }
    edit_.SelectBytes(value, 0);
}

void TcxCustomInnerTextEditHelper::SetSelText(const std::string& value)
{
    edit_.SetSelText(value);
}
