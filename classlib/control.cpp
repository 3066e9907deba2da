#include "classlib/control.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <unordered_map>

#include "classlib/application.h"
#include "classlib/form.h"

namespace {
// The control of each window. A window property would cost Wine a call to
// its server on every message; this lookup stays in the process.
struct TControlTable {
    std::mutex lock;
    std::unordered_map<HWND, TControl*> controls;
};

TControlTable& Controls()
{
    static TControlTable table;
    return table;
}

bool IsReflected(UINT msg)
{
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_VSCROLL:
    case WM_HSCROLL:
        return true;
    default:
        return false;
    }
}

// Raises a flag for one scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

HWND ReflectTarget(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lp)->hwndFrom;
    case WM_DRAWITEM:
        return wp ? reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem : nullptr;
    default:
        return reinterpret_cast<HWND>(lp);
    }
}
} // namespace

int PropertyInt(const std::string& name, const std::string& value)
{
    char* end = nullptr;
    long v = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0')
        throw EComponentError("Invalid property value " + name + " = " + value);
    return static_cast<int>(v);
}

bool PropertyBool(const std::string& name, const std::string& value)
{
    if (value == "true")
        return true;
    if (value == "false")
        return false;
    throw EComponentError("Invalid property value " + name + " = " + value);
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl()
{
    if (handle_)
        DestroyWindow(handle_);
    if (handle_) {
        // The window outlived us (its destruction did not come through our
        // procedure): never let a later message reach this freed object.
        auto& table = Controls();
        std::lock_guard guard(table.lock);
        auto it = table.controls.find(handle_);
        if (it != table.controls.end() && it->second == this)
            table.controls.erase(it);
    }
    if (parent_)
        parent_->RemoveControl(this);
}

TControl* TControl::FromHandle(HWND hwnd)
{
    auto& table = Controls();
    std::lock_guard guard(table.lock);
    auto it = table.controls.find(hwnd);
    return it == table.controls.end() ? nullptr : it->second;
}

void TControl::Attach(HWND hwnd)
{
    handle_ = hwnd;
    {
        auto& table = Controls();
        std::lock_guard guard(table.lock);
        table.controls.insert_or_assign(hwnd, this);
    }
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (current != StdWndProc) {
        defProc_ = current;
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc));
    } else {
        defProc_ = DefWindowProcA;
    }
}

LRESULT CALLBACK TControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    TControl* control = FromHandle(hwnd);
    if (!control) {
        if (msg != WM_NCCREATE)
            return DefWindowProcA(hwnd, msg, wp, lp);
        control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        control->Attach(hwnd);
    }
    if (msg == WM_NCDESTROY) {
        LRESULT r = CallWindowProcA(control->defProc_, hwnd, msg, wp, lp);
        {
            auto& table = Controls();
            std::lock_guard guard(table.lock);
            table.controls.erase(hwnd);
        }
        control->handle_ = nullptr;
        return r;
    }
    return Guarded([&] { return control->WndProc(msg, wp, lp); }, LRESULT(0));
}

LRESULT TControl::DefaultHandler(UINT msg, WPARAM wp, LPARAM lp)
{
    return CallWindowProcA(defProc_ ? defProc_ : DefWindowProcA, handle_, msg, wp, lp);
}

void TControl::CreateHandle()
{
    if (handle_ || !parent_ || !parent_->HandleAllocated())
        return;
    TCreateParams params = CreateParams();
    DWORD style = params.style | WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_)
        style |= WS_VISIBLE;
    if (!enabled_)
        style |= WS_DISABLED;
    HWND hwnd = CreateWindowExA(params.exStyle, params.className, text_.c_str(), style, left_, top_, width_,
                                height_, parent_->Handle(), nullptr, Application.Instance(), this);
    if (!hwnd)
        RaiseLastOSError(("CreateWindow " + Name()).c_str());
    if (!handle_)
        Attach(hwnd);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    HandleCreated();
    RegisterHint();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent_ == parent)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (!parent_)
        return;
    parent_->InsertControl(this);
    if (parentFont_)
        font_ = parent_->Font();
    CreateHandle();
}

TForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (handle_)
        MoveWindow(handle_, left, top, width, height, TRUE);
    if (parent_ && align_ != TAlign::alNone)
        parent_->Realign(this);
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (parent_)
        parent_->Realign(this);
}

void TControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (handle_)
        ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ && align_ != TAlign::alNone)
        parent_->Realign(this);
}

void TControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (handle_)
        EnableWindow(handle_, enabled);
}

TColor TControl::Color() const
{
    return parentColor_ && parent_ ? parent_->Color() : color_;
}

void TControl::SetColor(TColor color)
{
    color_ = color;
    parentColor_ = false;
    Invalidate();
}

void TControl::Invalidate() const
{
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH TControl::BackgroundBrush() const
{
    TColor color = Color();
    if (!brush_ || brushColor_ != color) {
        brush_.reset(CreateSolidBrush(ColorToRGB(color)));
        brushColor_ = color;
    }
    return brush_.get();
}

LRESULT TControl::ControlColors(HDC dc)
{
    SetTextColor(dc, ColorToRGB(font_.Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

void TControl::FontChanged()
{
    parentFont_ = false;
    if (handle_) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
        Invalidate();
    }
}

std::string TControl::Text() const
{
    if (!handle_)
        return text_;
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

void TControl::SetText(const std::string& text)
{
    text_ = text;
    if (handle_)
        SetWindowTextA(handle_, text.c_str());
}

void TControl::SetHint(const std::string& hint)
{
    hint_ = hint;
    RegisterHint();
}

void TControl::RegisterHint()
{
    TForm* form = ParentForm();
    if (!handle_ || hint_.empty() || !form || !form->ShowHint() || !form->TooltipHandle())
        return;
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = form->Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(handle_);
    ti.lpszText = const_cast<char*>(hint_.c_str());
    SendMessageA(form->TooltipHandle(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(form->TooltipHandle(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void TControl::RelayToTooltip(UINT msg, WPARAM wp, LPARAM lp)
{
    TForm* form = ParentForm();
    if (hint_.empty() || !form || !form->TooltipHandle())
        return;
    MSG m{handle_, msg, wp, lp, 0, {}};
    SendMessageA(form->TooltipHandle(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void TControl::SetFocus()
{
    if (handle_)
        ::SetFocus(handle_);
}

bool TControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

void TControl::Click()
{
    if (OnClick)
        OnClick(*this);
}

TShiftState TControl::KeyShift() const
{
    // One read of the whole keyboard: Wine asks its server for each GetKeyState.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    auto down = [&](int key) { return (keys[key] & 0x80) != 0; };
    TShiftState s = 0;
    if (down(VK_SHIFT))
        s |= ssShift;
    if (down(VK_CONTROL))
        s |= ssCtrl;
    if (down(VK_MENU))
        s |= ssAlt;
    return s;
}

// Keys go to the form first when it previews them, then to the control's
// own handler, and only then, possibly changed, to the window itself.
LRESULT TControl::HandleKey(UINT msg, WPARAM wp, LPARAM lp)
{
    TForm* form = ParentForm();
    bool preview = form && form != this && form->KeyPreview();
    if (msg == WM_CHAR) {
        char key = static_cast<char>(wp);
        if (preview && form->OnKeyPress)
            form->OnKeyPress(*form, key);
        if (key != 0 && OnKeyPress)
            OnKeyPress(*this, key);
        if (key == 0)
            return 0;
        return DefaultHandler(msg, static_cast<unsigned char>(key), lp);
    }
    WORD key = static_cast<WORD>(wp);
    TKeyEvent TControl::*event = (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) ? &TControl::OnKeyDown : &TControl::OnKeyUp;
    if (preview && form->*event)
        (form->*event)(*form, key, KeyShift());
    if (key != 0 && this->*event)
        (this->*event)(*this, key, KeyShift());
    if (key == 0)
        return 0;
    return DefaultHandler(msg, key, lp);
}

// A double click arrives instead of the second button-down, so it is a
// mouse-down as well, marked ssDouble.
LRESULT TControl::HandleMouseDown(UINT msg, WPARAM wp, LPARAM lp)
{
    RelayToTooltip(msg, wp, lp);
    LRESULT r = DefaultHandler(msg, wp, lp);
    if (!OnMouseDown)
        return r;
    TMouseButton button = TMouseButton::mbMiddle;
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)
        button = TMouseButton::mbLeft;
    else if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK)
        button = TMouseButton::mbRight;
    TShiftState shift = KeyShift();
    if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK)
        shift |= ssDouble;
    OnMouseDown(*this, button, shift, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
    return r;
}

LRESULT TControl::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
        return HandleKey(msg, wp, lp);
    case WM_SYSCHAR:
        if (TForm* form = ParentForm(); form && form->DialogChar(static_cast<char>(wp)))
            return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        return HandleMouseDown(msg, wp, lp);
    case WM_MOUSEMOVE: {
        RelayToTooltip(msg, wp, lp);
        LRESULT r = DefaultHandler(msg, wp, lp);
        if (OnMouseMove)
            OnMouseMove(*this, KeyShift(), static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return r;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        RelayToTooltip(msg, wp, lp);
        break;
    case WM_SETFOCUS: {
        // Followed here, not only when the form goes inactive: minimising
        // takes the focus away before the form hears of it.
        if (TForm* form = ParentForm(); form && form != this)
            form->SetFocusedControl(Handle());
        LRESULT r = DefaultHandler(msg, wp, lp);
        if (OnEnter)
            OnEnter(*this);
        return r;
    }
    default:
        break;
    }
    return DefaultHandler(msg, wp, lp);
}

bool TControl::Notify(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool TControl::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "Left")
        SetBounds(PropertyInt(name, value), top_, width_, height_);
    else if (name == "Top")
        SetBounds(left_, PropertyInt(name, value), width_, height_);
    else if (name == "Width")
        SetBounds(left_, top_, PropertyInt(name, value), height_);
    else if (name == "Height")
        SetBounds(left_, top_, width_, PropertyInt(name, value));
    else if (name == "Align") {
        static const std::pair<const char*, TAlign> aligns[] = {
            {"alNone", TAlign::alNone}, {"alTop", TAlign::alTop},     {"alBottom", TAlign::alBottom},
            {"alLeft", TAlign::alLeft}, {"alRight", TAlign::alRight}, {"alClient", TAlign::alClient}};
        auto it = std::find_if(std::begin(aligns), std::end(aligns), [&](auto& a) { return value == a.first; });
        if (it == std::end(aligns))
            throw EComponentError("Invalid property value Align = " + value);
        SetAlign(it->second);
    } else if (name == "Visible")
        SetVisible(PropertyBool(name, value));
    else if (name == "Enabled")
        SetEnabled(PropertyBool(name, value));
    else if (name == "Color")
        SetColor(StringToColor(value));
    else if (name == "ParentColor")
        parentColor_ = PropertyBool(name, value);
    else if (name == "Caption" || name == "Text")
        SetText(value);
    else if (name == "Hint")
        SetHint(value);
    else if (name == "Font.Name")
        font_.SetName(value), FontChanged();
    else if (name == "Font.Size")
        font_.SetSize(PropertyInt(name, value)), FontChanged();
    else if (name == "Font.Color")
        font_.SetColor(StringToColor(value)), FontChanged();
    else if (name == "Font.Bold")
        font_.SetBold(PropertyBool(name, value)), FontChanged();
    else if (name == "Font.Charset")
        font_.SetCharset(PropertyInt(name, value)), FontChanged();
    else if (name == "OnClick")
        OnClick = Handler<TNotifyEvent>(value);
    else if (name == "OnChange")
        OnChange = Handler<TNotifyEvent>(value);
    else if (name == "OnEnter")
        OnEnter = Handler<TNotifyEvent>(value);
    else if (name == "OnKeyDown")
        OnKeyDown = Handler<TKeyEvent>(value);
    else if (name == "OnKeyUp")
        OnKeyUp = Handler<TKeyEvent>(value);
    else if (name == "OnKeyPress")
        OnKeyPress = Handler<TKeyPressEvent>(value);
    else if (name == "OnMouseDown")
        OnMouseDown = Handler<TMouseEvent>(value);
    else if (name == "OnMouseMove")
        OnMouseMove = Handler<TMouseMoveEvent>(value);
    else
        return TComponent::SetProperty(name, value);
    return true;
}

TWinControl::~TWinControl()
{
    for (TControl* c : controls_)
        c->parent_ = nullptr;
}

void TWinControl::RemoveControl(TControl* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::CreateHandle()
{
    TControl::CreateHandle();
    if (!HandleAllocated())
        return;
    for (TControl* c : controls_)
        c->CreateHandle();
    Realign();
}

void TWinControl::Realign(TControl* control)
{
    if (!HandleAllocated() || aligning_)
        return;
    FlagScope aligning(aligning_);
    RECT r;
    GetClientRect(Handle(), &r);
    AdjustClientRect(r);
    AlignControls(control, r);
}

void TWinControl::AdjustClientRect(RECT&) {}

void TWinControl::AlignControls(TControl*, RECT& r)
{
    // Edges first in creation order, the client-filling control last.
    for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != pass || !c->Visible())
                continue;
            int w = c->Width(), h = c->Height();
            switch (pass) {
            case TAlign::alTop:
                c->SetBounds(r.left, r.top, r.right - r.left, h), r.top += h;
                break;
            case TAlign::alBottom:
                c->SetBounds(r.left, r.bottom - h, r.right - r.left, h), r.bottom -= h;
                break;
            case TAlign::alLeft:
                c->SetBounds(r.left, r.top, w, r.bottom - r.top), r.left += w;
                break;
            case TAlign::alRight:
                c->SetBounds(r.right - w, r.top, w, r.bottom - r.top), r.right -= w;
                break;
            default:
                c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
                break;
            }
        }
    }
}

void TWinControl::DestroyWnd()
{
    text_ = Text();
    DestroyWindow(Handle());
}

void TWinControl::RecreateWnd()
{
    if (!HandleAllocated() || recreating_)
        return;
    FlagScope recreating(recreating_);
    HWND old = Handle();
    HWND focus = GetFocus();
    bool focused = focus && (focus == old || IsChild(old, focus));
    HWND above = GetWindow(old, GW_HWNDPREV);
    // The child windows move over instead of being made again, so each
    // keeps everything it holds; bottom first, so their order stays.
    std::vector<HWND> children;
    for (HWND c = GetWindow(old, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        children.insert(children.begin(), c);
    for (HWND c : children)
        ::SetParent(c, Application.Handle());
    DestroyWnd();
    CreateHandle();
    for (HWND c : children)
        ::SetParent(c, Handle());
    SetWindowPos(Handle(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (focused)
        ::SetFocus(focus == old ? Handle() : focus);
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (IsReflected(msg)) {
        if (TControl* child = FromHandle(ReflectTarget(msg, wp, lp)); child && child != this) {
            LRESULT result = 0;
            if (child->Notify(msg, wp, lp, result))
                return result;
        }
    }
    switch (msg) {
    case WM_SIZE: {
        LRESULT r = TControl::WndProc(msg, wp, lp);
        Realign();
        return r;
    }
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(Handle(), &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, BackgroundBrush());
        return 1;
    }
    default:
        return TControl::WndProc(msg, wp, lp);
    }
}
