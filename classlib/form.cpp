#include "classlib/form.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/classregistry.h"
#include "classlib/formdesc.h"
#include "classlib/handlercall.h"
#include "classlib/resources.h"
#include "classlib/screen.h"
#include "classlib/windowclasses.h"

// Here, where forms are known: controls themselves know them only as IFormHost.
TForm* TControl::ParentForm() const
{
    return dynamic_cast<TForm*>(const_cast<TControl*>(this)->TopParent());
}

TForm::TForm()
{
    SetVisible(false);
}

TForm::~TForm()
{
    // Children go while this is still a form; their windows went with the
    // form's own before any destructor ran. A form that was not deleted
    // (one on the stack) has its window still: it goes first, so that no
    // focus moves among the children, into handlers of a derived form gone.
    DestroyHandle();
    FreeComponents();
    if (tooltip_)
        DestroyWindow(tooltip_);
}

TCreateParams TForm::CreateParams() const
{
    DWORD style = WS_CLIPCHILDREN;
    // The caption boxes this border has; the form's icons choose among them.
    TBorderIcons boxes = biSystemMenu;
    switch (borderStyle_) {
    case TFormBorderStyle::bsSingle:
        style |= WS_OVERLAPPED | WS_CAPTION;
        boxes |= biMinimize;
        break;
    case TFormBorderStyle::bsSizeable:
        style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
        boxes |= biMinimize | biMaximize;
        break;
    case TFormBorderStyle::bsDialog:
        style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        break;
    }
    boxes &= borderIcons_;
    // Without the system menu Windows draws no other box either.
    if (boxes & biSystemMenu)
        style |= WS_SYSMENU | (boxes & biMinimize ? WS_MINIMIZEBOX : 0) | (boxes & biMaximize ? WS_MAXIMIZEBOX : 0);
    DWORD exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    if (formStyle_ == TFormStyle::fsStayOnTop)
        exStyle |= WS_EX_TOPMOST;
    return {kFormClass, style, exStyle, CS_DBLCLKS};
}

void TForm::CreateHandle()
{
    if (HandleAllocated())
        return;
    TCreateParams params = CreateParams();
    RegisterWindowClass(params, StdWndProc);
    RECT r{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    int width = r.right - r.left, height = r.bottom - r.top;
    int left = Left(), top = Top();
    if (position_ == TPosition::poScreenCenter) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    HWND hwnd = CreateWindowExA(params.exStyle, params.className, TControl::Text().c_str(), params.style, left, top,
                                width, height, Application.Handle(), nullptr, Application.Instance(), this);
    if (!hwnd)
        RaiseLastOSError("CreateWindow form");
    SetBounds(left, top, width, height);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    // A tooltip of an earlier window went with it.
    tooltip_ = nullptr;
    CreateChildHandles();
}

HWND TForm::NeedHintWindow()
{
    // Made when the mouse first moves over a control, not at start-up: a
    // tooltip window and its tools cost more than the user can see then.
    if (showHint_ && !tooltip_ && HandleAllocated()) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   Application.Instance(), nullptr);
        SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
        RegisterHints();
    }
    return HintWindow();
}

void TForm::Show()
{
    CreateHandle();
    SetVisible(true);
}

void TForm::Hide()
{
    SetVisible(false);
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    CallHandler(OnCloseQuery, *this, canClose);
    return canClose;
}

void TForm::Close()
{
    const TLiveness alive = Liveness();
    if (!CloseQuery() || !alive)
        return;
    TCloseAction action = TCloseAction::caHide;
    CallHandler(OnClose, *this, action);
    if (!alive || action == TCloseAction::caNone)
        return;
    Hide();
    if (Application.MainForm() == this)
        Application.Terminate();
}

void TForm::SetFormStyle(TFormStyle value)
{
    formStyle_ = value;
    if (HandleAllocated())
        SetWindowPos(Handle(), value == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetActiveControl(TControl* control)
{
    if (control && control->CanFocus() && GetActiveWindow() == Handle())
        control->SetFocus();
    else
        activeControl_ = control;
}

void TForm::FocusControl(TWinControl* control)
{
    const bool wasActive = HandleAllocated() && GetActiveWindow() == Handle();
    SetActiveControl(control);
    // Activating the form focuses its active control.
    if (!wasActive && HandleAllocated() && IsWindowVisible(Handle()))
        SetActiveWindow(Handle());
}

std::vector<TControl*> TForm::EnterChain(TControl& control) const
{
    std::vector<TControl*> chain;
    for (TControl* c = &control; c && c != this; c = c->Parent())
        chain.push_back(c);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

// Moving from A to B, A and its parents below the nearest control that also
// holds B exit, innermost first, then the controls from below that one down
// to B enter, outermost first: a container and a control inside it hear
// nothing when the focus moves between them. Each control leaves the entered
// list before its exit and joins it before its enter, so a handler that
// moves the focus finds the list as it stands; none exits unentered or
// enters twice, and this walk stops once a handler moved the focus, freed
// the form or the control, or took one of its parents away. B is the active
// control already while A exits, so that what A does on its way out sees
// where the focus went. An exit that raises stops the move: B does not
// enter, and the control left is the active one again and gets the focus
// back before the failure is reported.
void TForm::ControlFocused(TControl& control)
{
    const std::vector<TControl*> chain = EnterChain(control);
    if (entered_ == chain) {
        activeControl_ = &control;
        return;
    }
    const unsigned move = ++focusMoves_;
    const TLiveness alive = Liveness(), controlAlive = control.Liveness();
    TControl* const left = activeControl_;
    const TLiveness leftAlive = left ? left->Liveness() : TLiveness();
    HWND window = control.Handle();
    auto stillThisMove = [&] {
        return alive && controlAlive && focusMoves_ == move && GetFocus() == window && EnterChain(control) == chain;
    };
    const auto common = static_cast<std::size_t>(
        std::mismatch(entered_.begin(), entered_.end(), chain.begin(), chain.end()).first - entered_.begin());
    activeControl_ = &control;
    try {
        while (entered_.size() > common) {
            ExitLast(move);
            if (!stillThisMove())
                return;
        }
    } catch (...) {
        // Unless the handler moved the focus itself.
        if (alive && focusMoves_ == move) {
            activeControl_ = leftAlive ? left : nullptr;
            if (GetFocus() == window && activeControl_ && activeControl_->CanFocus())
                activeControl_->SetFocus();
        }
        throw;
    }
    for (std::size_t i = entered_.size(); i < chain.size(); ++i) {
        entered_.push_back(chain[i]);
        chain[i]->Perform(CM_ENTER, 0, 0);
        if (!stillThisMove())
            return;
    }
}

void TForm::ExitLast(unsigned move)
{
    TControl* leaving = entered_.back();
    entered_.pop_back();
    const TLiveness alive = Liveness(), leavingAlive = leaving->Liveness();
    try {
        leaving->Perform(CM_EXIT, 0, 0);
    } catch (...) {
        // It did not leave: its exit is due again when the focus next goes.
        if (alive && leavingAlive && focusMoves_ == move)
            entered_.push_back(leaving);
        throw;
    }
}

void TForm::ControlRemoved(TControl& control)
{
    if (activeControl_ == &control)
        activeControl_ = nullptr;
    // What lay inside it left the form with it.
    if (auto it = std::find(entered_.begin(), entered_.end(), &control); it != entered_.end())
        entered_.erase(it, entered_.end());
}

void TForm::DefocusControl(TControl& control, bool removing)
{
    // A control that goes runs no more handlers: it leaves without an exit.
    if (removing)
        ControlRemoved(control);
    if (TControl* next = FindNextOutside(control)) {
        next->SetFocus();
        return;
    }
    // None: the form itself takes the focus, no control is active, and what
    // was entered exits, innermost first, until a handler moves the focus.
    activeControl_ = nullptr;
    const unsigned move = ++focusMoves_;
    const TLiveness alive = Liveness();
    if (HandleAllocated())
        ::SetFocus(Handle());
    while (!entered_.empty()) {
        // The control goes, hides or is disabled all the same: a raising
        // exit is reported here and ends the walk.
        try {
            ExitLast(move);
        } catch (...) {
            Application.HandleException();
            return;
        }
        if (!alive || focusMoves_ != move)
            return;
    }
}

bool TForm::FocusFirstControl()
{
    TControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_
                                                                     : FindNextControl(nullptr, true, true);
    if (!target)
        return false;
    target->SetFocus();
    return true;
}

void TForm::PreviewKey(UINT msg, WORD& key, TShiftState shift)
{
    if (!keyPreview_)
        return;
    bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
    if (down)
        CallHandler(OnKeyDown, *this, key, shift);
    else
        CallHandler(OnKeyUp, *this, key, shift);
}

void TForm::PreviewChar(char& key)
{
    if (keyPreview_)
        CallHandler(OnKeyPress, *this, key);
}

const TMessageMap& TForm::Messages() const
{
    static const TMessageMap map(TWinControl::Messages(), {
                                                              {WM_CLOSE, &TForm::WMClose},
                                                              {WM_QUERYENDSESSION, &TForm::WMQueryEndSession},
                                                              {WM_ENDSESSION, &TForm::WMEndSession},
                                                              {WM_SHOWWINDOW, &TForm::WMShowWindow},
                                                              {WM_ACTIVATE, &TForm::WMActivate},
                                                              {CM_DIALOGKEY, &TForm::CMDialogKey},
                                                          });
    return map;
}

void TForm::WMClose(TMessage&)
{
    Close();
}

// Logging off or shutting down takes the same close path as the close box.
void TForm::WMQueryEndSession(TMessage& m)
{
    m.Result = CloseQuery() ? TRUE : FALSE;
}

void TForm::WMEndSession(TMessage& m)
{
    if (m.WParam)
        Close();
}

void TForm::WMShowWindow(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (m.WParam)
        CallHandler(OnShow, *this);
    if (alive)
        DefaultHandler(m);
}

void TForm::WMActivate(TMessage& m)
{
    if (LOWORD(m.WParam) == WA_INACTIVE) {
        // Also a child window that is none of our controls: its control keeps the place.
        HWND focus = GetFocus();
        if (TControl* control = FindControl(focus); control && control != this && IsChild(Handle(), focus))
            activeControl_ = control;
        if (Screen.ActiveForm() == this)
            Screen.SetActiveForm(nullptr);
        DefaultHandler(m);
        return;
    }
    Screen.SetActiveForm(this);
    // The focus goes to the control that had it, or else to the first tab
    // stop, as in a dialog; the form itself takes no keys.
    if (HIWORD(m.WParam) == 0 && FocusFirstControl())
        return;
    DefaultHandler(m);
}

// Tab and Shift+Tab move the focus through the form's tab stops.
void TForm::CMDialogKey(TMessage& m)
{
    TShiftState shift = KeyShift();
    if (LOWORD(m.WParam) == VK_TAB && !(shift & (ssAlt | ssCtrl))) {
        SelectNext(activeControl_, !(shift & ssShift), true);
        m.Result = 1;
        return;
    }
    TWinControl::Messages().Dispatch(*this, m);
}

const TPropertyTable& TForm::Properties() const
{
    static const TEnumName<TFormBorderStyle> borderStyles[] = {{"bsSingle", TFormBorderStyle::bsSingle},
                                                               {"bsSizeable", TFormBorderStyle::bsSizeable},
                                                               {"bsDialog", TFormBorderStyle::bsDialog}};
    static const TEnumName<TPosition> positions[] = {{"poDesigned", TPosition::poDesigned},
                                                     {"poScreenCenter", TPosition::poScreenCenter}};
    static const TEnumName<TFormStyle> formStyles[] = {{"fsNormal", TFormStyle::fsNormal},
                                                       {"fsStayOnTop", TFormStyle::fsStayOnTop}};
    static const TEnumName<TBorderIcons> borderIcons[] = {
        {"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize}, {"biMaximize", biMaximize}};
    using TCloseQueryEvent = std::function<void(TComponent&, bool&)>;
    static const TPropertyTable table = TPropertyTable::Of<TForm>(TWinControl::Properties(), {
        {"ClientWidth", [](TForm& f, const TPropertyValue& v) { f.clientWidth_ = v.Int(); }},
        {"ClientHeight", [](TForm& f, const TPropertyValue& v) { f.clientHeight_ = v.Int(); }},
        {"BorderStyle", [](TForm& f, const TPropertyValue& v) { f.borderStyle_ = v.Enum(borderStyles); }},
        {"Position", [](TForm& f, const TPropertyValue& v) { f.position_ = v.Enum(positions); }},
        {"FormStyle", [](TForm& f, const TPropertyValue& v) { f.SetFormStyle(v.Enum(formStyles)); }},
        {"BorderIcons", [](TForm& f, const TPropertyValue& v) { f.borderIcons_ = v.Set(borderIcons); }},
        {"KeyPreview", [](TForm& f, const TPropertyValue& v) { f.keyPreview_ = v.Bool(); }},
        {"ActiveControl", [](TForm& f, const TPropertyValue& v) { f.activeControlName_ = v.Text(); }},
        {"ShowHint", [](TForm& f, const TPropertyValue& v) { f.showHint_ = v.Bool(); }},
        {"OnCreate", [](TForm& f, const TPropertyValue& v) { f.OnCreate = v.Handler<TNotifyEvent>(); }},
        {"OnShow", [](TForm& f, const TPropertyValue& v) { f.OnShow = v.Handler<TNotifyEvent>(); }},
        {"OnCloseQuery", [](TForm& f, const TPropertyValue& v) { f.OnCloseQuery = v.Handler<TCloseQueryEvent>(); }},
        {"OnClose", [](TForm& f, const TPropertyValue& v) { f.OnClose = v.Handler<TCloseEvent>(); }},
    });
    return table;
}

namespace {
// One step of loading; its failure names the line of the form text.
template <class F>
void AtLine(int line, F&& step)
{
    try {
        step();
    } catch (const Exception& e) {
        throw EComponentError("Form description line " + std::to_string(line) + ": " + e.what());
    }
}

void ApplyProperties(TComponent& component, const TFormNode& node)
{
    for (const TFormProperty& p : node.properties)
        AtLine(p.line, [&] {
            auto value = p.binary ? TPropertyValue::Binary(p.name, p.value) : TPropertyValue(p.name, p.value);
            if (!component.SetProperty(value))
                throw EComponentError(node.name + ": unknown property " + p.name);
        });
}

// Each component made, with its line, in the order of the text.
using TLoadedList = std::vector<std::pair<TComponent*, int>>;

void CreateChildren(TForm& form, TWinControl* parent, const TFormNode& node, TLoadedList& loaded)
{
    for (const TFormNode& child : node.children) {
        TComponent* component = nullptr;
        AtLine(child.line, [&] {
            component = &form.Adopt(CreateComponent(child.className));
            if (!child.children.empty() && !dynamic_cast<TWinControl*>(component))
                throw EComponentError(child.name + " cannot hold other components");
        });
        loaded.emplace_back(component, child.line);
        component->BeginLoading();
        component->ReadState();
        component->SetName(child.name);
        auto* control = dynamic_cast<TControl*>(component);
        if (control && parent)
            control->SetParent(parent);
        ApplyProperties(*component, child);
        CreateChildren(form, dynamic_cast<TWinControl*>(component), child, loaded);
    }
}
} // namespace

void TForm::LoadFromResource(const std::string& resourceName)
{
    LoadFromText(LoadResourceText(resourceName, "FORMDESC"));
}

void TForm::LoadFromText(const std::string& text)
{
    TFormNode root = ParseFormDescription(text);
    BeginLoading();
    try {
        SetName(root.name);
        ApplyProperties(*this, root);
        TLoadedList loaded;
        CreateChildren(*this, this, root, loaded);
        if (!activeControlName_.empty())
            activeControl_ = dynamic_cast<TControl*>(FindComponent(activeControlName_));
        CreateHandle();
        for (auto [component, line] : loaded)
            AtLine(line, [&] { component->Loaded(); });
        AtLine(root.line, [&] { Loaded(); });
    } catch (...) {
        // Nothing half-made stays behind: no component, no window.
        FreeComponents();
        DestroyHandle();
        throw;
    }
}
