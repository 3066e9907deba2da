// The text editor's making and going, its inner EDIT's settings, place and
// visibility, and the window texts it answers.
#include "editors/controls/text/cxtextedit.h"

#include <algorithm>
#include <cstring>

#include "classlib/gbkchars.h"
#include "classlib/liveness.h"
#include "classlib/messages.h"
#include "classlib/propertytable.h"

const TcxEditKind cxCustomTextEditKind =
    cxEditKindOf<TcxCustomTextEditProperties>(&TcxCustomInnerTextEdit::Create);
const TcxEditKind cxTextEditKind = cxEditKindOf<TcxTextEditProperties>(&TcxCustomInnerTextEdit::Create);

const TcxClass cxTextEditClass{"TcxTextEdit", &cxCustomEditClass,
                               []() -> std::unique_ptr<TComponent> { return std::make_unique<TcxTextEdit>(); }};

namespace {

constexpr int kDefaultWidth = 121;
constexpr int kDefaultHeight = 21;

} // namespace

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, bool inPlace)
    : TcxCustomTextEdit(owner, inPlace, cxCustomTextEditKind)
{
}

TcxCustomTextEdit::TcxCustomTextEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind)
    : TcxCustomEdit(owner, inPlace, kind)
{
    InitTextEdit();
}

// The generic editor made the inner edit before this class existed: it is
// attached to the text editor only now.
void TcxCustomTextEdit::InitTextEdit()
{
    if (TcxCustomInnerTextEdit* inner = InnerTextEditControl()) {
        inner->Attach(*this);
        inner->SetColor(clWindow);
        inner->OnSelChange = [this] { SelectionChangedHook(); };
        inner->ChangeHandler = [this] { ContentChanged(); };
    }
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    if (const TcxTextEditLookupDataClass lookupClass = ActiveProperties().GetLookupDataClass()) {
        lookupData_ = lookupClass(*this);
        lookupData_->SetOnSelectItem([this] { LookupItemSelected(); });
    }
    FormatControllerInstance().AddFormatListener(this);
}

TcxCustomTextEdit::~TcxCustomTextEdit()
{
    keptText_ = GetDisplayText();
    destroying_ = true;
    FormatControllerInstance().RemoveFormatListener(this);
    if (TcxCustomInnerTextEdit* inner = InnerTextEditControl()) {
        inner->ChangeHandler = nullptr;
        inner->OnSelChange = nullptr;
        inner->Detach();
    }
    lookupData_.reset();
}

TcxTextEdit::TcxTextEdit(TComponent* owner, bool inPlace) : TcxCustomTextEdit(owner, inPlace, cxTextEditKind) {}

const TPropertyTable& TcxTextEdit::Properties() const
{
    using E = TcxTextEdit;
    static const TPropertyTable table = TPropertyTable::Of<E>(TcxCustomTextEdit::Properties(), {
        {"BeepOnEnter", [](E& e, const TPropertyValue& v) { e.SetBeepOnEnter(v.Bool()); }},
        {"Text", [](E& e, const TPropertyValue& v) { e.SetText(v.Text()); }},
    });
    return table;
}

TPersistent* TcxTextEdit::NestedObject(std::string_view name)
{
    if (name == "Properties")
        return &EditProperties();
    return TcxCustomTextEdit::NestedObject(name);
}

void TcxCustomTextEdit::FormatChanged()
{
    if (!ModifiedSinceFocus())
        UpdateDisplay();
}

IcxInnerTextEdit* TcxCustomTextEdit::InnerTextEdit() const
{
    return dynamic_cast<TcxCustomInnerTextEditHelper*>(InnerEdit());
}

TcxCustomInnerTextEdit* TcxCustomTextEdit::InnerTextEditControl() const
{
    auto* helper = dynamic_cast<TcxCustomInnerTextEditHelper*>(InnerEdit());
    return helper ? &helper->Edit() : nullptr;
}

std::string TcxCustomTextEdit::GetDisplayText() const
{
    if (destroying_)
        return keptText_;
    const TcxCustomInnerTextEdit* inner = InnerTextEditControl();
    return inner ? inner->Text() : std::string();
}

void TcxCustomTextEdit::SetText(const std::string& value)
{
    ApplyDisplayValue(Variant(value));
}

void TcxCustomTextEdit::SetImeMode(TImeMode value)
{
    imeMode_ = value;
    if (IcxInnerTextEdit* inner = InnerTextEdit())
        inner->SetImeMode(value);
}

void TcxCustomTextEdit::SetImeName(const TImeName& value)
{
    imeName_ = value;
    if (IcxInnerTextEdit* inner = InnerTextEdit())
        inner->SetImeName(value);
}

// Properties

void TcxCustomTextEdit::RefreshProperties()
{
    const TLiveness alive = Liveness();
    ActiveProperties().Changed();
    if (alive)
        UpdateDisplay();
}

void TcxCustomTextEdit::ApplyProperties(TcxCustomEditProperties& properties)
{
    const TLiveness alive = Liveness();
    TcxCustomTextEditProperties& p = ActiveProperties();
    if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && !(ComponentState() & csDestroying)) {
        inner->SetAlignment(p.Alignment().Horz());
        inner->SetAutoSelect(p.AutoSelect() && !InPlace());
        inner->SetCharCase(p.CharCase());
        inner->SetEchoMode(p.EchoMode());
        inner->SetHideSelection(p.HideSelection());
        imeMode_ = p.ImeMode();
        imeName_ = p.ImeName();
        inner->SetImeMode(imeMode_);
        inner->SetImeName(imeName_);
        inner->SetMaxLength(p.MaxLength());
        inner->SetOEMConvert(p.OEMConvert());
        inner->SetPasswordChar(p.PasswordChar());
    }
    if (lookupData_ && !lookupTextLocked_)
        lookupData_->TextChanged();
    if (!alive)
        return;
    if (!IsInnerEditVisible())
        UpdateDrawValue();
    CheckBoundsAfterApply();
    if (!alive)
        return;
    if (!Posting())
        RevalidateDisplay();
    if (!alive)
        return;
    UpdateDrawValue();
    TcxCustomEdit::ApplyProperties(properties);
    if (!alive)
        return;
    if (TcxCustomInnerTextEdit* inner = InnerTextEditControl())
        inner->Invalidate();
}

void TcxCustomTextEdit::CheckBoundsAfterApply()
{
    if (!DataBinding().AllowsCheck() || !InnerEdit())
        return;
    const TcxCustomTextEditProperties& p = ActiveProperties();
    if (p.NumericFormatting() && p.BoundsApply())
        BoundsCheckHook();
}

void TcxCustomTextEdit::SyncInnerEditAppearance()
{
    TcxCustomInnerTextEdit* inner = InnerTextEditControl();
    if (creating_ || !inner)
        return;
    inner->LockBounds(true);
    inner->SetColor(ViewInfo().BackgroundColor);
    const TFont& font = GetActiveStyle().VisibleFont();
    if (!(inner->Font() == font))
        inner->Font().Assign(font);
    inner->LockBounds(false);
}

bool TcxCustomTextEdit::UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent)
{
    if (!HandleAllocated() || (ComponentState() & csDestroying))
        return false;
    const TLiveness alive = Liveness();
    const bool changed = TcxCustomEdit::UpdateViewInfo(p, shift, isMouseEvent);
    if (!alive)
        return changed;
    if (changed)
        SyncInnerEditAppearance();
    const bool innerVisible = IsInnerEditVisible();
    if (TcxCustomInnerTextEdit* inner = InnerTextEditControl(); inner && inner->Visible() != innerVisible)
        inner->SetVisible(innerVisible);
    return changed;
}

// Place and visibility

int TcxCustomTextEdit::InnerTextHeight() const
{
    const TcxCustomInnerTextEdit* inner = InnerTextEditControl();
    if (!inner)
        return 0;
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, const_cast<TcxCustomInnerTextEdit*>(inner)->Font().Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

void TcxCustomTextEdit::PlaceInnerControl()
{
    AdjustInnerEditPosition();
}

void TcxCustomTextEdit::AdjustInnerEditPosition()
{
    TcxCustomInnerTextEdit* inner = InnerTextEditControl();
    if (!inner || adjustingInnerEdit_)
        return;
    const TLiveness alive = Liveness();
    TFlagScope adjusting(alive, adjustingInnerEdit_);
    const TRect client = ViewInfo().ContentRect;
    const int h = InnerTextHeight();
    const int minTop = client.top + InnerEditTopMargin;
    int top = minTop;
    switch (ActiveProperties().Alignment().Vert()) {
    case taBottomJustify:
        top = client.bottom - h - InnerEditBottomMargin;
        break;
    case taVCenter:
        top = minTop + (client.bottom - client.top - h - InnerEditTopMargin - InnerEditBottomMargin) / 2;
        break;
    default:
        break;
    }
    top = std::max(top, minTop);
    const int left = client.left + InnerEditLeftMargin;
    const int width = client.right - client.left + 1 - InnerEditLeftMargin - InnerEditRightMargin;
    if (inner->Left() != left || inner->Top() != top || inner->Width() != width || inner->Height() != h)
        inner->SetBounds(left, top, width, h);
}

bool TcxCustomTextEdit::IsInnerEditVisible() const
{
    if (innerEditHidden_)
        return false;
    if (innerEditShown_)
        return true;
    const TcxTextEditingMode mode = EditingMode();
    if ((mode != temEdit && mode != temEditList) || !InnerEdit() || (ComponentState() & csDesigning))
        return false;
    return HasFocusOrActiveForm() || ActiveProperties().Alignment().Horz() == TAlignment::taLeftJustify;
}

void TcxCustomTextEdit::ShowInnerEdit(bool show)
{
    innerEditShown_ = show;
    RefreshAtCursor();
}

void TcxCustomTextEdit::HideInnerEdit(bool hide)
{
    innerEditHidden_ = hide;
    RefreshAtCursor();
}

TcxEditSizeProperties TcxCustomTextEdit::GetSizeRequest() const
{
    return TcxEditSizeProperties{-1, 1, -1};
}

void TcxCustomTextEdit::UpdateDrawValue()
{
    if (HandleAllocated())
        Invalidate();
}

void TcxCustomTextEdit::Loaded()
{
    const TLiveness alive = Liveness();
    TcxCustomEdit::Loaded();
    if (alive)
        RefreshAtCursor();
}

void TcxCustomTextEdit::DoExit()
{
    const TLiveness alive = Liveness();
    TcxCustomEdit::DoExit();
    if (alive)
        SetFindSelection(false);
}

// The inner window's hook: the focus arriving selects all where asked.
void TcxCustomTextEdit::InnerEditWndProc(TMessage& m)
{
    const TLiveness alive = Liveness();
    TcxCustomEdit::InnerEditWndProc(m);
    if (!alive || m.Msg != WM_SETFOCUS)
        return;
    if (IcxInnerTextEdit* inner = InnerTextEdit(); inner && inner->GetAutoSelect())
        inner->SelectAll();
}

void TcxCustomTextEdit::UnhookInnerEditWindow()
{
    const bool wasHooked = innerEditHooked_;
    const TLiveness alive = Liveness();
    TcxCustomEdit::UnhookInnerEditWindow();
    IcxInnerTextEdit* inner = InnerTextEdit();
    if (!alive || !wasHooked || !inner || !InnerTextEditControl()->HandleAllocated())
        return;
    const bool autoSelect = inner->GetAutoSelect();
    inner->SetAutoSelect(false);
    SendMessageA(InnerTextEditControl()->Handle(), WM_SETFOCUS, 0, 0);
    if (alive)
        inner->SetAutoSelect(autoSelect);
}

void TcxCustomTextEdit::BeginInplaceEditing(TcxInplaceEditData* editData)
{
    const TLiveness alive = Liveness();
    TcxCustomEdit::BeginInplaceEditing(editData);
    if (!alive)
        return;
    SetSelectionStart(0);
    if (ActiveProperties().AutoSelect())
        SelectAll();
}

bool TcxCustomTextEdit::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos)
{
    return TcxCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos);
}

// Window texts

const TMessageMap& TcxCustomTextEdit::Messages() const
{
    static const TMessageMap map(TcxCustomEdit::Messages(), {
                                                                {WM_GETTEXT, &TcxCustomTextEdit::WMGetText},
                                                                {WM_GETTEXTLENGTH, &TcxCustomTextEdit::WMGetTextLength},
                                                                {WM_SETTEXT, &TcxCustomTextEdit::WMSetText},
                                                                {WM_CLEAR, &TcxCustomTextEdit::WMClear},
                                                                {WM_UNDO, &TcxCustomTextEdit::WMUndo},
                                                            });
    return map;
}

void TcxCustomTextEdit::WndProc(TMessage& m)
{
    TcxCustomEdit::WndProc(m);
}

namespace {

// The bytes of the whole characters that fit in limit bytes.
std::size_t WholeCharsWithin(const std::string& text, std::size_t limit)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = GbkNextCharOffset(text, end);
        if (next > limit)
            break;
        end = next;
    }
    return end;
}

} // namespace

// At most size - 1 bytes of whole characters, and the closing zero.
void TcxCustomTextEdit::WMGetText(TMessage& m)
{
    const auto size = static_cast<std::size_t>(m.WParam);
    auto* buffer = reinterpret_cast<char*>(m.LParam);
    m.Result = 0;
    if (size == 0 || !buffer)
        return;
    const std::string text = destroying_ ? keptText_ : TextForGetText();
    const std::size_t count = WholeCharsWithin(text, size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    m.Result = static_cast<LRESULT>(count);
}

void TcxCustomTextEdit::WMGetTextLength(TMessage& m)
{
    m.Result = static_cast<LRESULT>((destroying_ ? keptText_ : TextForGetText()).size());
}

// A text from outside goes through the editor's checks; the default
// handling runs only for the editor's own setting.
void TcxCustomTextEdit::WMSetText(TMessage& m)
{
    if (internalTextSetting_) {
        DefaultHandler(m);
        return;
    }
    const char* text = reinterpret_cast<const char*>(m.LParam);
    const TLiveness alive = Liveness();
    TFlagScope setting(alive, internalTextSetting_);
    m.Result = TextFromSetText(text ? std::string(text) : std::string()) ? 1 : 0;
}

void TcxCustomTextEdit::WMClear(TMessage&)
{
    if (!ActiveProperties().ReadOnly() && DataBinding().HasData())
        DeleteSelectionText();
}

void TcxCustomTextEdit::WMUndo(TMessage&)
{
    const TLiveness alive = Liveness();
    Undo();
    if (alive)
        UndoneHook();
}
