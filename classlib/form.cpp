#include "classlib/form.h"

#include <commctrl.h>

#include <utility>
#include <vector>

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
    // Children go while this is still a form; their windows went with the
    // form's own before any destructor ran.
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
    return {kFormClass, style, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, CS_DBLCLKS};
}

void TForm::CreateHandle()
{
    if (HandleAllocated())
        return;
    TCreateParams params = CreateParams();
    RegisterWindowClass(params);
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

void TForm::Close()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(*this, canClose);
    if (!canClose)
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

const TPropertyTable& TForm::Properties() const
{
    static const TEnumName<TFormBorderStyle> borderStyles[] = {{"bsSingle", TFormBorderStyle::bsSingle},
                                                               {"bsSizeable", TFormBorderStyle::bsSizeable},
                                                               {"bsDialog", TFormBorderStyle::bsDialog}};
    static const TEnumName<TPosition> positions[] = {{"poDesigned", TPosition::poDesigned},
                                                     {"poScreenCenter", TPosition::poScreenCenter}};
    using TCloseQueryEvent = std::function<void(TComponent&, bool&)>;
    static const TPropertyTable table = TPropertyTable::Of<TForm>(TWinControl::Properties(), {
        {"ClientWidth", [](TForm& f, const TPropertyValue& v) { f.clientWidth_ = v.Int(); }},
        {"ClientHeight", [](TForm& f, const TPropertyValue& v) { f.clientHeight_ = v.Int(); }},
        {"BorderStyle", [](TForm& f, const TPropertyValue& v) { f.borderStyle_ = v.Enum(borderStyles); }},
        {"Position", [](TForm& f, const TPropertyValue& v) { f.position_ = v.Enum(positions); }},
        {"KeyPreview", [](TForm& f, const TPropertyValue& v) { f.keyPreview_ = v.Bool(); }},
        {"ActiveControl", [](TForm& f, const TPropertyValue& v) { f.activeControl_ = v.Text(); }},
        {"ShowHint", [](TForm& f, const TPropertyValue& v) { f.showHint_ = v.Bool(); }},
        {"OnCreate", [](TForm& f, const TPropertyValue& v) { f.OnCreate = v.Handler<TNotifyEvent>(); }},
        {"OnShow", [](TForm& f, const TPropertyValue& v) { f.OnShow = v.Handler<TNotifyEvent>(); }},
        {"OnCloseQuery", [](TForm& f, const TPropertyValue& v) { f.OnCloseQuery = v.Handler<TCloseQueryEvent>(); }},
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
