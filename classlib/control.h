// Controls over real Win32 windows. TControl holds what every control has
// (window, bounds, alignment, colour, font, hint, focus, events) and routes
// each message to the handler its class has for the id; TWinControl can
// hold child controls and reflects their notifications back to them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/colors.h"
#include "classlib/component.h"
#include "classlib/cursors.h"
#include "classlib/dragobject.h"
#include "classlib/events.h"
#include "classlib/font.h"
#include "classlib/handles.h"
#include "classlib/propertytable.h"
#include "classlib/messagemap.h"
#include "classlib/sizeconstraints.h"
#include "classlib/windowclasses.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taCenter, taRightJustify };
// The form-text names of the alignments.
extern const TEnumName<TAlignment> AlignmentNames[3];
// The form-text names of the cursors that form texts use.
extern const TEnumName<TCursor> CursorNames[2];

class TWinControl;
class TForm;
class TPopupMenu;
class IFormHost;

// Control styles: csCaptureMouse holds the mouse from a button press until
// its release; csDisplayDragImage shows the control's drag image while it
// is dragged.
using TControlStyle = unsigned;
constexpr TControlStyle csCaptureMouse = 1, csDisplayDragImage = 2;

// Control states: csPaintCopy while the control paints a copy of itself
// into another control's picture (see-through controls).
using TControlState = unsigned;
constexpr TControlState csPaintCopy = 1;

// The replaceable entry of a control's messages.
using TWndMethod = std::function<void(TMessage&)>;

// The keys and mouse buttons held now, as the thread's keyboard state has them.
TShiftState KeyboardShiftState();

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner = nullptr);
    ~TControl() override;

    // The window; one a late window holds back is made when asked for.
    // A windowless control has none: null.
    HWND Handle() const { return handle_ ? handle_ : LateHandle(); }
    // Drawn in its parent's window, which paints it, hit-tests it and passes
    // it its mouse messages (see TGraphicControl).
    bool Windowless() const { return windowless_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Makes the window (and its children's) once a parent window exists.
    virtual void CreateHandle();
    // A late window, while hidden, is left out when its parent's window is
    // made: it and its children's are made when it is first shown or a
    // handle among them is asked for, so what starts hidden costs start-up
    // nothing.
    bool LateWindow() const { return lateWindow_; }
    void SetLateWindow(bool value) { lateWindow_ = value; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    // Where the client area's top-left lies on the screen; a windowless
    // control's client area is its rectangle in its parent.
    POINT ClientOrigin() const;
    // The window the control is drawn in: its own, or for a windowless one
    // the nearest window around it; at, when asked, is where the control's
    // client area starts in that window's. Null while there is none.
    HWND DrawingWindow(POINT* at = nullptr) const;
    // A new size is asked of CanResize first, and kept within Constraints.
    virtual void SetBounds(int left, int top, int width, int height);
    // Changing one applies it to the size at once.
    TSizeConstraints& Constraints() { return constraints_; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible, and so is every parent. A change of it reaches the control
    // as CM_SHOWINGCHANGED (WParam: the new value).
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The font follows the parent's while this holds; setting a font clears it.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    // The colour the control paints with; ParentColor follows the parent's.
    TColor Color() const;
    void SetColor(TColor color);
    // Changing it redraws the control with it.
    TFont& Font() { return font_; }

    virtual std::string Text() const;
    // The window's text into text, in the room text already has when it is
    // enough: a long text read again and again costs no new memory.
    void ReadText(std::string& text) const;
    virtual void SetText(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    // Whether this control holds the mouse capture.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    virtual void SetFocus();
    virtual bool Focused() const;
    // Has a window, shows and is enabled along its parents.
    virtual bool CanFocus() const;
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // The place in the parent's Tab list, which is its own: alignment,
    // window order and broadcasts keep following the order of creation.
    // From form text it applies once the siblings are all read.
    int TabOrder() const;
    void SetTabOrder(int order);

    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState state) { controlState_ = state; }

    // The window's background and client area into dc at its logical origin,
    // without the child windows.
    void PaintWindow(HDC dc);
    // The window and its visible children, bottom first, into dc with the
    // client area's top-left at (x, y) and clipped to it.
    void PaintTo(HDC dc, int x = 0, int y = 0);

    // Puts the window above its siblings.
    void BringToFront();

    // Marks the window for painting; Update paints what is marked now.
    // Repaint paints at once: a control without a window is drawn with what
    // lies under and over it, clipped to its place, through the window it
    // is drawn in.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();

    TNotifyEvent OnClick, OnDblClick, OnChange, OnEnter, OnExit, OnResize, OnMouseEnter, OnMouseLeave;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;
    TContextPopupEvent OnContextPopup;

    virtual void Click();

    // Dragging this control (see dragdrop.h). Not immediate, the drag starts
    // once the mouse has moved threshold pixels with the button held
    // (Mouse.DragThreshold() when negative); a release before that ends it
    // without a drag. Dragging is true from BeginDrag to the drag's end.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    bool Dragging() const;
    virtual void DoStartDrag(std::unique_ptr<TDragObject>& dragObject);
    virtual void DoEndDrag(TControl* target, int x, int y);
    // accept comes in as whether OnDragOver is assigned.
    virtual void DragOver(TControl* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TControl* source, int x, int y);
    virtual TDragImageList* GetDragImages() { return nullptr; }

    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

    // Every message of the control passes here; by default it calls WndProc.
    // Replace it to see or swallow messages, calling the one replaced to pass them on.
    TWndMethod WindowProc;
    // Sends a message through WindowProc, without Windows (also without a window).
    LRESULT Perform(UINT msg, WPARAM wp, LPARAM lp);
    // The same with the caller's message, whose Result it sets.
    void Deliver(TMessage& message);
    // Runs the handler of the message's id, or DefaultHandler.
    void Dispatch(TMessage& message) { Messages().Dispatch(*this, message); }
    // What a message without a handler gets: the window's own procedure.
    virtual void DefaultHandler(TMessage& message);
    // Sends a message to every child; stops at the first with a non-zero result.
    virtual void Broadcast(TMessage&) {}

    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static TControl* FromHandle(HWND hwnd);
    // The control of a window or of the nearest window around it.
    static TControl* FindControl(HWND hwnd);

protected:
    // A windowless control, for TGraphicControl.
    TControl(TComponent* owner, bool windowless);

    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
    // The window goes while the whole control still exists, so its own
    // handler sees WM_DESTROY.
    void BeforeDestruction() override;
    void DestroyHandle();
    void FontChanged();

    virtual TCreateParams CreateParams() const = 0;
    virtual void WndProc(TMessage& message);
    // This class's handlers; a class with its own overrides it.
    virtual const TMessageMap& Messages() const;
    // Called right after the window exists.
    virtual void HandleCreated() {}
    // Colours for the WM_CTLCOLOR* answers of system controls.
    LRESULT ControlColors(HDC dc);
    HBRUSH BackgroundBrush() const;
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    IFormHost* FormHost() const;
    TControl* TopParent();

    TShiftState KeyShift() const { return KeyboardShiftState(); }

    // Decoded messages; the default bodies fire the events.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DblClick();
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos);
    virtual void DoContextPopup(POINT mousePos, bool& handled);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    // Asked before the size changes, through SetBounds or by the system;
    // false keeps the size, and the size asked for may be changed here.
    virtual bool CanResize(int& newWidth, int& newHeight);
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void ColorChanged();
    virtual void TextChanged();

    // Message handlers, one per message.
    void WMKey(TMessage& message);
    void WMChar(TMessage& message);
    void WMSysChar(TMessage& message);
    void WMMouseDown(TMessage& message);
    void WMMouseUp(TMessage& message);
    void WMMouseMove(TMessage& message);
    void WMMouseLeave(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void WMContextMenu(TMessage& message);
    void WMCaptureChanged(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMSize(TMessage& message);
    void WMWindowPosChanging(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void CNKeyDown(TMessage& message);
    void CMEnter(TMessage& message);
    void CMExit(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMParentColorChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void CMSysColorChange(TMessage& message);
    void CMDrag(TMessage& message);
    void CMHitTest(TMessage& message);

private:
    friend class TWinControl;
    void Attach(HWND hwnd);
    // Before the control hides, is disabled or goes: a focus inside it
    // moves on, as a keyboard user expects.
    void HandOnFocus(bool removing);
    // The mouse message of this window to the hint window; hinted says
    // whether the control under the mouse has a hint.
    void RelayToTooltip(const TMessage& message, bool hinted);
    // Marks the window as holding the mouse and asks to hear of its
    // leaving, telling the control of the entering; false when that freed it.
    bool NoteMouseInside();
    // The rectangle of a windowless control in its parent, repainted.
    void InvalidateInParent(const RECT& rect) const;
    // A windowless control drawn at once, as its window's next paint would
    // draw it; false when it is not on screen.
    bool DrawNow();
    // A windowless control hidden, moved away or freed lets go of the
    // parent's capture and hot state.
    void LeaveParentMouseState();
    // The size that a request for width and height gives.
    void ResolveSize(int& width, int& height);
    // Sends CM_SHOWINGCHANGED to the control, then to each control inside
    // it whose Showing went along.
    void ShowingChanged(bool showing);
    void RegisterHint();
    // The hint's tool of a windowless control, a rectangle of the parent's window.
    void RemoveHintTool();
    // Makes the windows a late window above (or at) this control holds
    // back, when its parent's window exists; then the control's own.
    HWND LateHandle() const;
    // Makes this late window now, in its place among its siblings' windows.
    void MakeLateWindow();

    HWND handle_ = nullptr;
    WNDPROC defProc_ = nullptr;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    bool lateWindow_ = false;
    bool windowless_ = false;
    bool tabStop_ = false;
    int loadedTabOrder_ = -1;
    bool mouseInside_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    bool parentFont_ = true;
    TFont font_{this};
    TSizeConstraints constraints_{this};
    std::string text_;
    std::string hint_;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TControlStyle controlStyle_ = 0;
    TControlState controlState_ = 0;
    TDragMode dragMode_ = TDragMode::dmManual;
    TCursor dragCursor_ = crDrag;
    mutable UniqueBrush brush_;
    mutable TColor brushColor_ = clNone;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    void CreateHandle() override;
    const std::vector<TControl*>& Controls() const { return controls_; }
    // Gives the children's hints, and theirs, to the form's hint window.
    void RegisterHints();
    // Lays the aligned children out in the client area; control is the
    // child whose place or size changed, if one did.
    void Realign(TControl* control = nullptr);
    void Broadcast(TMessage& message) override;

    // Makes the window again, for what Windows takes only at creation
    // (styles): text, focus, place among the siblings and the child
    // windows are kept, and what DestroyWnd saves.
    void RecreateWnd();
    bool Recreating() const { return recreating_; }

    // The children and their children that Tab visits, in Tab order; a
    // control that stands for its children lists them its own way.
    virtual void GetTabOrderList(std::vector<TControl*>& list) const;
    // The control after (or before) current that can take the focus; with
    // checkTabStop only tab stops. Wraps around; null when there is none.
    TControl* FindNextControl(TControl* current, bool forward, bool checkTabStop) const;
    // Focuses that control; false when there was none.
    bool SelectNext(TControl* current, bool forward, bool checkTabStop);
    // The tab stop after control that lies outside it, wrapping around;
    // null when there is none.
    TControl* FindNextOutside(const TControl& control) const;

    // Puts the children's TabOrder values from form text in place.
    void Loaded() override;

    // The topmost visible windowless child at p of the client area that
    // takes the mouse (enabled, answering CM_HITTEST); null when none.
    TControl* ControlAtPos(POINT p) const;
    // The windowless child that holds the mouse capture through this window.
    TControl* CaptureControl() const { return captureControl_; }
    // Paints the visible windowless children that meet area (all when null)
    // into dc, bottom first, each clipped to its rectangle with its origin
    // moved there; before is the child (and those above it) left out.
    void PaintControls(HDC dc, const RECT* area = nullptr, const TControl* before = nullptr);
    // The background and client area with the windowless children beneath
    // child: what shows through a see-through child.
    void PaintBehind(HDC dc, const TControl& child);

protected:
    const TMessageMap& Messages() const override;
    // Routes the mouse to the windowless children and paints them; tells
    // programs outside about them (see windowlessquery.h).
    void WndProc(TMessage& message) override;
    void AnswerWindowlessQuery(TMessage& message);
    // Tells asker of the windowless children, and of what is drawn inside
    // those that are containers; false once asker takes no more.
    bool TellWindowless(HWND asker, LRESULT& told);
    void WMSize(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    // A notification about a child goes back to the child as CN_BASE + msg.
    void WMReflected(TMessage& message);
    void WMSysColorChange(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMBroadcastToChildren(TMessage& message);
    // The part of the client area the aligned children share.
    virtual void AdjustClientRect(RECT& rect);
    // A container that may do without a window of its own while nothing
    // inside it has one: it is then drawn in its parent like a graphic
    // control, and made a window again when a windowed child comes in.
    virtual bool CanDrawInParent() const { return false; }
    // Places the aligned children inside rect, shrinking it by each edge one.
    virtual void AlignControls(TControl* control, RECT& rect);
    // Saves what only the window holds, then destroys it.
    virtual void DestroyWnd();
    // Makes the children's windows once this one exists, then lays them out.
    void CreateChildHandles();
    // Visits the children in list order until visit answers true. The walk
    // survives its visits: a child freed or taken away before its turn is
    // skipped, one added is not visited, and the walk ends when this goes.
    template <class F>
    void ForEachChild(F&& visit);

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // FindNextControl, leaving out what lies inside current when asked.
    TControl* FindNext(const TControl* current, bool forward, bool checkTabStop, bool skipInside) const;
    bool HasWindowlessChildren() const;
    // Nothing inside needs a window, so this need not have one either.
    bool HoldsNoWindow() const;
    // Windowless, or a container that may be drawn in its parent and holds no window.
    static bool NeedsNoWindow(const TControl& control);
    // A container drawn in its parent makes its own window after all.
    void MakeWindowed();
    // The hint tools of what is drawn inside this, in the window it is drawn in.
    void RemoveInnerHintTools();
    // Whether the windowless control under the mouse at p of this client
    // area, the innermost one where containers are drawn here, has a hint.
    bool HintedAt(POINT p) const;
    // A mouse message for a windowless child: the capture holder's, or the
    // one's under the mouse. True when a child took it.
    bool RouteMouse(TMessage& message);
    // Tells the children the mouse leaves and enters as it moves onto over.
    void TrackMouseControl(TControl* over);
    // WM_PAINT and WM_PRINTCLIENT: this window's own painting, then the
    // windowless children's over it.
    void PaintWithControls(TMessage& message);
    bool SetCursorOfControl(TMessage& message);
    void SetCaptureControl(TControl* control);

    std::vector<TControl*> controls_;
    std::vector<TControl*> tabList_;
    TControl* captureControl_ = nullptr;
    TControl* mouseControl_ = nullptr;
    const TControl* paintBefore_ = nullptr;
    bool aligning_ = false;
    bool recreating_ = false;
};

template <class F>
void TWinControl::ForEachChild(F&& visit)
{
    const TLiveness alive = Liveness();
    std::vector<std::pair<TControl*, TLiveness>> children;
    children.reserve(controls_.size());
    for (TControl* c : controls_)
        children.emplace_back(c, c->Liveness());
    for (const auto& [child, lives] : children) {
        if (!alive)
            return;
        if (lives && child->parent_ == this && visit(*child))
            return;
    }
}
