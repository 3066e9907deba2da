#include "classlib/form.h"

#include <commctrl.h>

#include "classlib/application.h"
#include "classlib/classregistry.h"
#include "classlib/formdesc.h"
#include "classlib/resources.h"
#include "classlib/speedbutton.h"
#include "classlib/windowclasses.h"

TForm::TForm()
{
    SetVisible(false);
}

TForm::~TForm()
{
    // Children go while the form's window still exists.
    FreeComponents();
    if (tooltip_)
        DestroyWindow(tooltip_);
}

TCreateParams TForm::CreateParams() const
{
    DWORD style = WS_CLIPCHILDREN;
    switch (borderStyle_) {
    case TFormBorderStyle::bsSingle:
        style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        break;
    case TFormBorderStyle::bsSizeable:
        style |= WS_OVERLAPPEDWINDOW;
        break;
    case TFormBorderStyle::bsDialog:
        style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        break;
    }
    return {kFormClass, style, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT};
}

void TForm::CreateHandle()
{
    if (HandleAllocated())
        return;
    TCreateParams params = CreateParams();
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
    if (showHint_) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                                   Application.Instance(), nullptr);
        SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    for (TControl* c : Controls())
        c->CreateHandle();
    Realign();
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
    if (OnCloseQuery)
        OnCloseQuery(*this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (!CloseQuery())
        return;
    Hide();
    if (Application.MainForm() == this)
        Application.Terminate();
}

namespace {
bool ClickAccelerator(const std::vector<TControl*>& controls, char key)
{
    for (TControl* c : controls) {
        if (!c->Visible() || !c->Enabled())
            continue;
        if (auto* button = dynamic_cast<TSpeedButton*>(c); button && button->IsAccelerator(key)) {
            button->Click();
            return true;
        }
        if (auto* parent = dynamic_cast<TWinControl*>(c); parent && ClickAccelerator(parent->Controls(), key))
            return true;
    }
    return false;
}
} // namespace

bool TForm::DialogChar(char key)
{
    return ClickAccelerator(Controls(), key);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    // Logging off or shutting down takes the same close path as the close box.
    case WM_QUERYENDSESSION: {
        bool canClose = true;
        if (OnCloseQuery)
            OnCloseQuery(*this, canClose);
        return canClose ? TRUE : FALSE;
    }
    case WM_ENDSESSION:
        if (wp)
            Close();
        return 0;
    case WM_SHOWWINDOW:
        if (wp && OnShow)
            OnShow(*this);
        break;
    case WM_ACTIVATE:
        // Give the focus back to the control that had it, not to the form.
        if (LOWORD(wp) == WA_INACTIVE) {
            // Also a child window that is none of our controls.
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus))
                savedFocus_ = focus;
        } else if (savedFocus_ && IsWindow(savedFocus_) && IsChild(Handle(), savedFocus_)) {
            ::SetFocus(savedFocus_);
            return 0;
        } else if (auto* first = dynamic_cast<TControl*>(FindComponent(activeControl_)); first && first->HandleAllocated()) {
            first->SetFocus();
            return 0;
        }
        break;
    default:
        break;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

bool TForm::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "ClientWidth")
        clientWidth_ = PropertyInt(name, value);
    else if (name == "ClientHeight")
        clientHeight_ = PropertyInt(name, value);
    else if (name == "BorderStyle")
        borderStyle_ = value == "bsSingle" ? TFormBorderStyle::bsSingle
                       : value == "bsDialog" ? TFormBorderStyle::bsDialog
                                             : TFormBorderStyle::bsSizeable;
    else if (name == "Position")
        position_ = value == "poScreenCenter" ? TPosition::poScreenCenter : TPosition::poDesigned;
    else if (name == "KeyPreview")
        keyPreview_ = PropertyBool(name, value);
    else if (name == "ActiveControl")
        activeControl_ = value;
    else if (name == "ShowHint")
        showHint_ = PropertyBool(name, value);
    else if (name == "OnCreate")
        OnCreate = Handler<TNotifyEvent>(value);
    else if (name == "OnShow")
        OnShow = Handler<TNotifyEvent>(value);
    else if (name == "OnCloseQuery")
        OnCloseQuery = Handler<std::function<void(TComponent&, bool&)>>(value);
    else
        return TWinControl::SetProperty(name, value);
    return true;
}

namespace {
void ApplyProperties(TComponent& component, const TFormNode& node)
{
    for (const auto& [key, value] : node.properties)
        if (!component.SetProperty(key, value))
            throw EComponentError(node.name + ": unknown property " + key);
}

void CreateChildren(TForm& form, TWinControl* parent, const TFormNode& node)
{
    for (const TFormNode& child : node.children) {
        TComponent& component = form.Adopt(CreateComponent(child.className));
        component.SetName(child.name);
        auto* control = dynamic_cast<TControl*>(&component);
        if (control && parent)
            control->SetParent(parent);
        ApplyProperties(component, child);
        auto* container = dynamic_cast<TWinControl*>(&component);
        if (!child.children.empty() && !container)
            throw EComponentError(child.name + " cannot hold other components");
        CreateChildren(form, container, child);
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
    SetName(root.name);
    ApplyProperties(*this, root);
    CreateChildren(*this, this, root);
    CreateHandle();
    for (const auto& c : Components())
        c->Loaded();
}
