// The windowed base of the editor library's controls: a library canvas, its
// own look and feel, an optional painter-drawn border, two owned scroll bars
// with a size grip whose visibility the stability loop settles, wheel and
// middle-button scrolling, and keys and context menus.
#pragma once

#include <memory>

#include "classlib/customcontrol.h"
#include "classlib/customedit.h"
#include "editors/foundation/cxcanvas.h"
#include "editors/foundation/cxcontrolutils.h"
#include "editors/foundation/cxlookandfeels.h"
#include "editors/foundation/cxscrollbar.h"
#include "editors/foundation/cxscrollbarsupdate.h"

class TcxControl;

enum class TcxControlBorderStyle { cxcbsNone, cxcbsDefault };
enum class TDragMode { dmManual, dmAutomatic };
// Key groups a control asks for in WM_GETDLGCODE.
enum : unsigned { kcAll = 1, kcArrows = 2, kcChars = 4, kcTab = 8 };

class TcxControlScrollBar : public TcxScrollBar {
public:
    explicit TcxControlScrollBar(TcxControl& control, TScrollBarKind kind);

protected:
    virtual void FocusParentOnClick();
    const TMessageMap& Messages() const override;

private:
    void WMLButtonDown(TMessage& m);
    TcxControl& control_;
};

class TcxSizeGrip : public TCustomControl {
public:
    explicit TcxSizeGrip(TcxControl& control);
    TcxLookAndFeel& LookAndFeel() { return *lookAndFeel_; }

protected:
    void Paint() override;

private:
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    TcxCanvas canvas_{Canvas()};
};

class TcxControl : public TCustomControl, public TcxScrollBarsController {
public:
    explicit TcxControl(TComponent* owner = nullptr);
    ~TcxControl() override;

    TcxCanvas& cxCanvas() { return cxCanvas_; }
    TcxLookAndFeel& LookAndFeel() { return *lookAndFeel_; }
    TcxCustomLookAndFeelPainterClass Painter() const { return lookAndFeel_->GetPainter(); }
    TcxControlBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TcxControlBorderStyle value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    unsigned WantedKeys() const { return wantedKeys_; }
    void SetWantedKeys(unsigned value) { wantedKeys_ = value; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode value) { dragMode_ = value; }
    bool FocusOnClick() const { return focusOnClick_; }
    void SetFocusOnClick(bool value) { focusOnClick_ = value; }

    TcxControlScrollBar* HScrollBar() const { return hScrollBar_.get(); }
    TcxControlScrollBar* VScrollBar() const { return vScrollBar_.get(); }
    TcxSizeGrip* SizeGrip() const { return sizeGrip_.get(); }
    bool ScrollingContent() const { return scrollingContent_; }

    virtual int BorderSize() const;
    virtual TRect GetBounds() const;
    // The bounds less the border and the visible bars.
    virtual TRect GetClientBounds() const;
    virtual bool CanFocusOnClick() const;
    virtual bool CanFocusOnScrollBarClick(TcxControlScrollBar&) const { return CanFocusOnClick(); }
    virtual int WheelScrollKind() const;
    // One line (or, by page, one page) in a direction.
    void ScrollContent(TcxScrollDirection direction, bool byPage = false);
    void SetBounds(int left, int top, int width, int height) override;

protected:
    // Shows the menu at a screen point; false when there is none to show.
    virtual bool DoShowPopupMenu(int x, int y);
    virtual void Scroll(TScrollBarKind, TScrollCode, int&) {}
    virtual bool CanScrollWithoutBars(TcxScrollDirection) const { return false; }
    virtual bool WantsFocus() const { return true; }
    virtual void BeginDrag() {}
    virtual void LookAndFeelUpdated() {}

    // The stability loop's view of the real bars.
    bool ScrollBarAdmitted(TScrollBarKind kind) const override;
    void InitScrollBarsParameters() override {}
    int Thickness(TScrollBarKind kind) const override;
    bool Shown(TScrollBarKind kind) const override;
    void ApplyData(TScrollBarKind kind, const TcxScrollBarData& data) override;
    void ShowDisabled(TScrollBarKind kind) override;
    void PlaceScrollBars() override;

    void Paint() override;
    void Resize() override;
    void HandleCreated() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
    void DoContextPopup(POINT mousePos, bool& handled) override;
    const TMessageMap& Messages() const override;

    void MouseDownDragCheck(TMouseButton button, int x, int y);
    void StartMouseScrolling();

private:
    void WMPaintInto(TMessage& m);
    void WMGetDlgCode(TMessage& m);
    void WMContextMenu(TMessage& m);
    void WMMouseDown(TMessage& m);
    void SettingsChanged(TMessage& m);
    TcxControlScrollBar* Bar(TScrollBarKind kind) const;

    TcxCanvas cxCanvas_{Canvas()};
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    std::unique_ptr<TcxControlScrollBar> hScrollBar_, vScrollBar_;
    std::unique_ptr<TcxSizeGrip> sizeGrip_;
    TcxControlBorderStyle borderStyle_ = TcxControlBorderStyle::cxcbsNone;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TDragMode dragMode_ = TDragMode::dmManual;
    unsigned wantedKeys_ = 0;
    bool focusOnClick_ = true;
    bool scrollingContent_ = false;
};
