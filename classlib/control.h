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
#include "classlib/propertytable.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TWinControl;
class TForm;

// What a control's window is made of.
struct TCreateParams {
    const char* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = 0;
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
    void SetBounds(int left, int top, int width, int height);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The colour the control paints with; ParentColor follows the parent's.
    TColor Color() const;
    void SetColor(TColor color);
    // Changing it redraws the control with it.
    TFont& Font() { return font_; }

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    void SetFocus();
    bool Focused() const;

    // Marks the window for painting; Update paints what is marked now.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();

    TNotifyEvent OnClick, OnChange, OnEnter;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();

    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static TControl* FromHandle(HWND hwnd);

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
    // The window goes while the whole control still exists, so its own
    // handler sees WM_DESTROY.
    void BeforeDestruction() override;
    void DestroyHandle();
    void FontChanged();

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
    TFont font_{this};
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
    // Lays the aligned children out in the client area.
    void Realign();

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    friend class TControl;
    void InsertControl(TControl* control) { controls_.push_back(control); }
    void RemoveControl(TControl* control);

    std::vector<TControl*> controls_;
    bool aligning_ = false;
};
