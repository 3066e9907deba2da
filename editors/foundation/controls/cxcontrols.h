// The windowed base of the editor library's controls: a library canvas, its
// own look and feel, an optional painter-drawn border, two owned scroll bars
// with a size grip whose visibility the stability loop settles, focus on
// click, wheel and middle-button scrolling, popup menus of any kind, the
// library's own drag and drop, font listeners, keys and context menus.
#pragma once

#include <memory>
#include <vector>

#include "classlib/customcontrol.h"
#include "classlib/customedit.h"
#include "classlib/dragdrop.h"
#include "editors/foundation/core/cxlistenerlist.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/controls/cxcontrolutils.h"
#include "editors/foundation/controls/cxdraganddrop.h"
#include "editors/foundation/lookandfeel/cxlookandfeels.h"
#include "editors/foundation/scrollbars/cxscrollbar.h"
#include "editors/foundation/scrollbars/cxscrollbarsupdate.h"

class TcxControl;
class TcxControlChildComponent;

// An object that holds a control's mouse capture and is told when it loses it.
class IMouseCaptureObject {
public:
    virtual void DoCancelMode() = 0;

protected:
    ~IMouseCaptureObject() = default;
};

// A popup menu that is not a TPopupMenu: a component implementing this.
class IPopupMenuHandler {
public:
    // Opens the menu at a screen point.
    virtual void Popup(int x, int y) = 0;
    // A key message (CN_KEYDOWN or CN_SYSKEYDOWN) that chooses one of its items.
    virtual bool IsShortCutKey(const TMessage& message) = 0;

protected:
    ~IPopupMenuHandler() = default;
};

// Told when a control's font changed.
class IcxFontListener {
public:
    virtual void Changed(TcxControl& sender, TFont& font) = 0;

protected:
    ~IcxFontListener() = default;
};

enum class TcxDragAndDropState { ddsNone, ddsStarting, ddsInProcess };

// A control dragged by the class library's drag: the copy cursor while Ctrl
// is down over a taker.
class TcxDragControlObject : public TDragControlObject {
public:
    using TDragControlObject::TDragControlObject;
    TCursor GetDragCursor(bool accepted, int x, int y) override;
};

class TcxDragImageList : public TDragImageList {
public:
    using TDragImageList::TDragImageList;
};

enum class TcxControlBorderStyle { cxcbsNone, cxcbsDefault };
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
    // A form designer's clicks reach the bar.
    void CMDesignHitTest(TMessage& m) { m.Result = 1; }
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

class TcxControl : public TcxLinkTarget<TCustomControl>, public TcxScrollBarsController {
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
    bool FocusOnClick() const { return focusOnClick_; }
    void SetFocusOnClick(bool value) { focusOnClick_ = value; }
    // A TPopupMenu or a component implementing IPopupMenuHandler; anything
    // else is taken as none. The class library sees only a TPopupMenu.
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* value);

    // Made when a bar first shows; nullptr before.
    TcxControlScrollBar* HScrollBar() const { return hScrollBar_.get(); }
    TcxControlScrollBar* VScrollBar() const { return vScrollBar_.get(); }
    TcxSizeGrip* SizeGrip() const { return sizeGrip_.get(); }
    // One of the control's own bars or its grip, not a child of its content.
    virtual bool IsInternalControl(const TControl* control) const;
    bool ScrollingContent() const { return scrollingContent_; }

    virtual int BorderSize() const;
    virtual TRect GetBounds() const;
    // The bounds less the border and the visible bars.
    virtual TRect GetClientBounds() const;
    virtual bool CanFocusOnClick() const;
    virtual bool CanFocusAt(int, int) const { return CanFocusOnClick(); }
    virtual bool CanFocusOnScrollBarClick(TcxControlScrollBar&) const { return CanFocusOnClick(); }
    // Also the form it is on can take the focus.
    virtual bool CanFocusEx() const;
    virtual int WheelScrollKind() const;
    // One line (or, by page, one page) in a direction.
    void ScrollContent(TcxScrollDirection direction, bool byPage = false);
    void SetBounds(int left, int top, int width, int height) override;
    // Walks up the parents; the first menu that owns the key chooses its item.
    bool HandlePopupShortCut(const TMessage& message);

    // The library's drag and drop.
    TcxDragAndDropState DragAndDropState() const { return dragAndDropState_; }
    // The operation's object, made on first use.
    TcxDragAndDropObject& DragAndDropObject();
    void SetDragAndDropObjectClass(TcxDragAndDropObjectClass value) { dragAndDropObjectClass_ = std::move(value); }
    void BeginDragAndDrop();
    // Ends an operation in process (accepted or not) or one only starting.
    void EndDragAndDropOperation(bool accepted);
    IMouseCaptureObject* MouseCaptureObject() const { return mouseCaptureObject_; }
    void SetMouseCaptureObject(IMouseCaptureObject* value);
    bool MouseButtonPressed() const { return mouseButtonPressed_; }
    POINT MouseDownPos() const { return mouseDownPos_; }
    bool IsMouseInDragDetectArea(int x, int y) const;
    // True only while WM_RBUTTONUP is being handled.
    bool IsRightButtonBeingReleased() const { return rightButtonBeingReleased_; }

    void AddFontListener(IcxFontListener* listener);
    void RemoveFontListener(IcxFontListener* listener);
    // Ctrl is down: a drop copies.
    virtual bool IsCopyDragDrop() const;
    virtual void AddChildComponent(TcxControlChildComponent& child);
    virtual void RemoveChildComponent(TcxControlChildComponent& child);

    TNotifyEvent OnFocusChanged;
    // With the control the mouse entered or left.
    std::function<void(TComponent& Sender, TControl* control)> OnMouseEnter, OnMouseLeave;

protected:
    // Shows the menu at a screen point; false when there is none to show.
    virtual bool DoShowPopupMenu(TComponent* menu, int x, int y);
    virtual void Scroll(TScrollBarKind, TScrollCode, int&) {}
    virtual bool CanScrollWithoutBars(TcxScrollDirection) const { return false; }
    virtual bool WantsFocus() const { return true; }
    virtual bool MayProceedWithoutFocus() const { return false; }
    virtual void LookAndFeelUpdated() {}
    // The cursor over a client point.
    virtual TCursor GetCursor(int, int) const { return defaultCursor_; }
    virtual void MouseDownHook(TMouseButton, TShiftState, int, int) {}
    virtual bool AllowDragAt(int, int) const { return true; }
    virtual bool CanDrag(int, int) const { return dragAndDropState_ == TcxDragAndDropState::ddsNone; }
    // Whether a form designer lets the mouse through to the control.
    virtual bool GetDesignHitTest(int, int, TShiftState) const
    {
        return dragAndDropState_ != TcxDragAndDropState::ddsNone || mouseButtonPressed_;
    }
    // The bars and the grip stay above child windows of the content.
    virtual bool KeepScrollBarsOnTop() const { return true; }
    virtual void BringScrollBarsToFront();
    virtual void FocusChanged();
    virtual void FontChanged();
    virtual void CursorChanged() { defaultCursor_ = Cursor(); }
    virtual void CancelMouseOperations();
    using TCustomControl::MouseEnter;
    using TCustomControl::MouseLeave;
    virtual void MouseEnter(TControl* control);
    virtual void MouseLeave(TControl* control);
    // Library drag and drop: whether a press at the point starts an
    // operation, and its steps.
    virtual bool StartDragAndDrop(POINT) { return false; }
    virtual void DragAndDrop(POINT p, bool& accepted);
    virtual void EndDragAndDrop(bool accepted);
    virtual void FinishDragAndDrop();

    // The class library's drag: the object made for it and whether it may
    // go on, and the picture under the cursor.
    virtual std::unique_ptr<TDragObject> CreateDragObject() { return std::make_unique<TcxDragControlObject>(*this); }
    virtual bool AllowDragObject(TDragObject&) { return true; }
    virtual bool HasDragImages() const { return false; }
    virtual SIZE GetDragImagesSize() const { return SIZE{0, 0}; }
    virtual void DrawDragImage(TcxCanvas&, const TRect&) {}
    virtual std::unique_ptr<TcxDragImageList> CreateDragImages() { return std::make_unique<TcxDragImageList>(); }
    virtual void InitDragImages(TcxDragImageList& list);
    void DoStartDrag(std::unique_ptr<TDragObject>& dragObject) override;
    void DoEndDrag(TControl* target, int x, int y) override;
    TDragImageList* GetDragImages() override;

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
    void WndProc(TMessage& m) override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos) override;
    void DoContextPopup(POINT mousePos, bool& handled) override;
    const TMessageMap& Messages() const override;

    void MouseDownDragCheck(TMouseButton button, int x, int y);
    void StartMouseScrolling();

private:
    void WMPaintInto(TMessage& m);
    void WMGetDlgCode(TMessage& m);
    void WMContextMenu(TMessage& m);
    void WMCancelMode(TMessage& m);
    void WMCaptureChanged(TMessage& m);
    void CNKeyDown(TMessage& m);
    void CNSysKeyDown(TMessage& m);
    void CMMouseEnterLeave(TMessage& m);
    void CMCursorChanged(TMessage& m);
    void CMFontChanged(TMessage& m);
    void CMDesignHitTest(TMessage& m);
    void SettingsChanged(TMessage& m);
    void SetDragAndDropState(TcxDragAndDropState value);
    TcxControlScrollBar* Bar(TScrollBarKind kind) const;
    TcxControlScrollBar& MakeBar(TScrollBarKind kind);
    void ParentScrollBars();

    TcxCanvas cxCanvas_{Canvas()};
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    std::unique_ptr<TcxControlScrollBar> hScrollBar_, vScrollBar_;
    std::unique_ptr<TcxSizeGrip> sizeGrip_;
    TcxControlBorderStyle borderStyle_ = TcxControlBorderStyle::cxcbsNone;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    unsigned wantedKeys_ = 0;
    bool focusOnClick_ = true;
    bool scrollingContent_ = false;
    TComponent* popupMenu_ = nullptr;
    TCursor defaultCursor_ = crDefault;
    TcxListenerList<IcxFontListener> fontListeners_;
    std::unique_ptr<TcxDragAndDropObject> dragAndDropObject_;
    TcxDragAndDropObjectClass dragAndDropObjectClass_;
    TCursor dragAndDropPrevCursor_ = crDefault;
    TcxDragAndDropState dragAndDropState_ = TcxDragAndDropState::ddsNone;
    bool finishingDragAndDrop_ = false;
    IMouseCaptureObject* mouseCaptureObject_ = nullptr;
    bool mouseButtonPressed_ = false;
    POINT mouseDownPos_{};
    bool rightButtonBeingReleased_ = false;
    std::unique_ptr<TcxDragImageList> dragImages_;
};
