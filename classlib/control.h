// Controls over real Win32 windows. TControl holds what every control has
// (window, bounds, alignment, colour, font, hint, events); TWinControl can
// hold child controls and reflects their notifications back to them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/colors.h"
#include "classlib/component.h"
#include "classlib/events.h"
#include "classlib/font.h"
#include "classlib/handles.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taCenter, taRightJustify };

class TWinControl;
class TForm;

// What a control's window is made of.
struct TCreateParams {
    const char* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Makes the window (and its children's) once a parent window exists.
    virtual void CreateHandle();

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The colour the control paints with; ParentColor follows the parent's.
    TColor Color() const;
    void SetColor(TColor color);
    TFont& Font() { return font_; }
    void FontChanged();

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    void SetFocus();
    bool Focused() const;

    TNotifyEvent OnClick, OnChange, OnEnter;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();
    bool SetProperty(const std::string& name, const std::string& value) override;

    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static TControl* FromHandle(HWND hwnd);

protected:
    virtual TCreateParams CreateParams() const = 0;
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultHandler(UINT msg, WPARAM wp, LPARAM lp);
    // A notification that the parent window received about this control.
    virtual bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Called right after the window exists.
    virtual void HandleCreated() {}
    // Colours for the WM_CTLCOLOR* answers of system controls.
    LRESULT ControlColors(HDC dc);
    HBRUSH BackgroundBrush() const;
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value) { parentColor_ = value; }
    void Invalidate() const;
    // The event handler of that name on the form that owns this control.
    template <class E>
    E Handler(const std::string& name) const;

    TShiftState KeyShift() const;

private:
    friend class TWinControl;
    void Attach(HWND hwnd);
    LRESULT HandleKey(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMouseDown(UINT msg, WPARAM wp, LPARAM lp);
    void RelayToTooltip(UINT msg, WPARAM wp, LPARAM lp);
    void RegisterHint();

    HWND handle_ = nullptr;
    WNDPROC defProc_ = nullptr;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    bool parentFont_ = true;
    TFont font_;
    std::string text_;
    std::string hint_;
    mutable UniqueBrush brush_;
    mutable TColor brushColor_ = clNone;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    void CreateHandle() override;
    const std::vector<TControl*>& Controls() const { return controls_; }
    // Lays the aligned children out in the client area; control is the
    // child whose place or size changed, if one did.
    void Realign(TControl* control = nullptr);

    // Makes the window again, for what Windows takes only at creation
    // (styles): text, focus, place among the siblings and the child
    // windows are kept, and what DestroyWnd saves.
    void RecreateWnd();
    bool Recreating() const { return recreating_; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // The part of the client area the aligned children share.
    virtual void AdjustClientRect(RECT& rect);
    // Places the aligned children inside rect, shrinking it by each edge one.
    virtual void AlignControls(TControl* control, RECT& rect);
    // Saves what only the window holds, then destroys it.
    virtual void DestroyWnd();

private:
    friend class TControl;
    void InsertControl(TControl* control) { controls_.push_back(control); }
    void RemoveControl(TControl* control);

    std::vector<TControl*> controls_;
    bool aligning_ = false;
    bool recreating_ = false;
};

// Property text helpers of the form descriptions.
int PropertyInt(const std::string& name, const std::string& value);
bool PropertyBool(const std::string& name, const std::string& value);
