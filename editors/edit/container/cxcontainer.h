// The container: a TcxControl that hosts at most one inner window, draws
// the border and background around it in the style of its state (normal,
// focused, disabled, hot) and keeps it inside the content area.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "editors/edit/container/cxcontainergeometry.h"
#include "editors/edit/container/cxcontainerinnercontrol.h"
#include "editors/edit/container/cxcontainerregion.h"
#include "editors/edit/container/cxcontainerstate.h"
#include "editors/edit/styles/cxcontainerstyles.h"
#include "editors/edit/styles/cxstylecontainer.h"
#include "editors/foundation/controls/cxcontrols.h"
#include "editors/foundation/system/cxmousetracking.h"

// The shadow under and right of r in clBtnShadow, each strip taken out of
// the clip once filled.
void DrawContainerShadow(TcxCanvas& canvas, const TRect& r);
// How a plain (unthemed) frame is drawn.
struct TcxContainerFrameLook {
    TcxContainerBorderStyle Style = cbsNone;
    int Width = 0;
    TColor Color = clBtnShadow;
    unsigned Sides = cxBordersAll;
    bool Skinned = false;
};
// The frame on r: a solid one of the width in the colour for single, thick,
// UltraFlat and Office11 borders and under a skin; flat and 3D an edge on
// the sides with a clBtnFace or 3D ring inside it; nothing for none.
void DrawContainerFrame(TcxCanvas& canvas, const TRect& r, const TcxContainerFrameLook& look);

class TcxContainerViewInfo {
public:
    virtual ~TcxContainerViewInfo() = default;

    TRect OuterBounds{}, InnerRect{}, ContentRect{};
    std::uint8_t HotState = 0;
    std::uint8_t ContainerState = csfNormal;
    TcxContainerBorderStyle FrameStyle = cbsNone;
    int FrameWidth = 0;
    TColor FrameColor = clBtnShadow;
    TcxBorders FrameSides = cxBordersAll;
    bool ShowShadow = false;
    bool ThemedLook = false;
    // The theme class, part and state of the themed look.
    std::uint8_t ThemeClass = 0;
    int ThemePart = 0, ThemeState = 0;
    TcxCustomLookAndFeelPainterClass SkinPainter = nullptr;
    TColor BackgroundColor = clWindow;

    // Every field equal: nothing drawn would change.
    bool SameAs(const TcxContainerViewInfo& other) const;
};

class TcxContainer;
// The popup hooks tell an owner container that its popup closed on deactivation.
void cxPopupOwnerFocusChanged(TcxContainer& container);

class TcxContainer : public TcxControl, public IcxStyleContainer, public IcxFocusTarget {
    friend void cxPopupOwnerFocusChanged(TcxContainer& container);

public:
    explicit TcxContainer(TComponent* owner = nullptr);
    ~TcxContainer() override;

    TcxContainerStyles& Styles() const { return *styles_; }
    TcxContainerViewInfo& ViewInfo() const { return *viewInfo_; }
    // The hosted window, not owned; cleared when it goes first.
    TWinControl* InnerControl() const { return innerControl_; }
    void SetInnerControl(TWinControl* control);

    // The style of the current state, chosen again when the state changed.
    virtual TcxContainerStyle& GetActiveStyle();
    virtual TcxContainerStyle& GetStyleForState(std::uint8_t state) const;
    virtual void ComputeViewInfo(POINT p, bool hotTrackAllowed);
    virtual TcxContainerInsets GetContentInsets();
    virtual TRect GetDrawBounds();
    virtual void PlaceInnerControl();
    virtual bool IsFocusedNow() const;
    virtual bool HasShadow();
    virtual bool IsNativeStyle() const;
    virtual bool IsReadOnlyLook() const { return false; }
    // Computes the view info for a point, places the inner control, sets
    // the window region and invalidates what changed: the strips around
    // the inner control, else the whole area. shift: keys and buttons held.
    // A mouse event that changes no field sets no region and repaints nothing.
    // While hot, the cursor leaving the draw bounds is tracked.
    virtual bool UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent = false);
    // The styles' change event: the view again, and the normal style's
    // colour and font on the control unless it takes its parent's.
    virtual void ApplyStyle(TcxContainerStyle& style);
    // UpdateViewInfo at the cursor when it is over the container or its
    // children, else at (-1, -1), with the keys and buttons held now.
    void RefreshAtCursor(bool isMouseEvent = false);
    // Mouse-leave tracking found the cursor outside the draw bounds.
    virtual void MouseLeft();
    // The inner control takes the background colour and the active style's font.
    virtual void SyncInnerControlAppearance();
    // A see-through look: a parent colour change repaints it.
    virtual bool IsTransparentLook() const { return false; }
    // Mirrors the inner window's native bars on the container's own; only
    // for a class that has bars.
    virtual void SyncInnerScrollBars(bool skipSync);
    // False only for a themed frame: the plain frame owns its window region.
    virtual bool UsesOwnBorder();
    // The control rectangle, with its shadow copy, as the window region.
    virtual void UpdateWindowRegion();
    // The canvas clipped to that region: a copy painted elsewhere has no window region.
    virtual void ClipToWindowRegion();
    // The theme class, part and state the themed look draws.
    virtual int GetNativeThemeClass() const;
    virtual int GetNativePart() const { return 1; }
    virtual int GetNativeState() const;

    // The inner control, else the container itself.
    TWinControl* GetFocusTarget() override;
    // While locked, context popups are not shown (the message counts as handled).
    int PopupMenuLockCount() const { return popupMenuLockCount_; }
    void LockPopupMenu(bool lock);
    virtual bool AcceptsContextPopupAt(POINT) { return true; }
    // A message of the inner control: its context menu is the container's.
    // True when handled here.
    virtual bool HandleInnerControlMessage(TMessage& m);
    // The inner control's own message entry, kept by the editor that puts
    // its own in its place; CallInnerControlWndProc calls it (or, while none
    // is kept, the inner control's current one).
    void SetInnerControlWndProc(TWndMethod proc) { innerWndProc_ = std::move(proc); }
    virtual void CallInnerControlWndProc(TMessage& m);

    // The inner window's native bars, for a class that mirrors them on its own.
    bool ReadInnerScrollBarInfo(SCROLLBARINFO& info, TScrollBarKind kind) const;
    static bool IsScrollBarUsable(const SCROLLBARINFO& info);
    // The native bar in client coordinates; empty when it lies outside the container.
    TRect GetScrollBarRect(const SCROLLBARINFO& info) const;
    static bool IsScrollBarEnabled(const TcxScrollBar& bar, const SCROLLBARINFO& info);
    virtual void ShowScrollBar(TcxScrollBar& bar, bool visible);
    // One own bar placed, ranged and enabled as the native one, or hidden.
    virtual void SyncScrollBar(TcxScrollBar& bar);

    // Focused when the container or its inner control has the focus.
    bool Focused() const override { return IsFocusedNow(); }
    // Focuses the container, which hands the focus to its inner control.
    void SetFocus() override;
    virtual void FocusInnerControl();
    // Whether Tab moves the focus on from the container (an editor takes it itself).
    virtual bool MovesFocusOnTab() const { return true; }
    // Tab visits the inner control in the container's place while it is
    // the form's active control, and never what lies inside it.
    void GetTabOrderList(std::vector<TControl*>& list) const override;

    // What the styles ask of their container.
    bool ParentColor() const override { return TControl::ParentColor(); }
    void SetParentColor(bool value) override { TControl::SetParentColor(value); }
    bool ParentFont() const override { return TControl::ParentFont(); }
    void SetParentFont(bool value) override { TControl::SetParentFont(value); }
    std::optional<TColor> ParentControlColor() const override;
    bool DefaultsToParentColor() const override { return false; }
    bool RunsInplace() const override { return false; }
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 0; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The mouse refreshes the state: hover and buttons held.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    using TcxControl::MouseEnter;
    using TcxControl::MouseLeave;
    void MouseEnter(TControl* control) override;
    void MouseLeave(TControl* control) override;
    // The focus entering or leaving through the inner window, which the
    // container's own window never hears of, changes the state too.
    void DoEnter() override;
    void DoExit() override;
    void Paint() override;
    void Loaded() override;
    void Resize() override;
    void FocusChanged() override;
    // A colour set on the control becomes the normal style's.
    void ColorChanged() override;
    // Own bars follow the container's Enabled.
    void EnabledChanged() override;
    // No redraw on resizing: the view info invalidates what changed.
    TCreateParams CreateParams() const override;
    // The view info at the cursor once the window's first messages are through.
    void HandleCreated() override;
    void DoContextPopup(POINT mousePos, bool& handled) override;
    // Tab and Shift+Tab, without Alt or Ctrl, move the focus through the form.
    void KeyDown(WORD& key, TShiftState shift) override;
    bool HasScrollBars() const override { return false; }
    const TMessageMap& Messages() const override;
    // The children share the content rectangle.
    void AdjustClientRect(RECT& rect) override;
    // Aligns as the class library does, then clips a child window to the
    // part of it inside rect; the inner control loses its clip once it fits.
    void AlignControls(TControl* control, RECT& rect) override;
    // Keys go to the inner window; the focus passes on to it.
    void WndProc(TMessage& m) override;
    virtual void DrawContainerBorder(TcxCanvas& canvas, const TRect& r);
    // A descendant's own style class and view information, given while it
    // is made (its classes come from objects the container's constructor
    // cannot know yet).
    void SetStyleClass(TcxContainerStyleClass styleClass);
    // The view information replaced is handed back.
    std::unique_ptr<TcxContainerViewInfo> SetViewInfo(std::unique_ptr<TcxContainerViewInfo> viewInfo);

private:
    // Tells the container when the cursor left its draw bounds.
    class TLeaveTracker : public IcxMouseTrackingCaller {
    public:
        explicit TLeaveTracker(TcxContainer& container) : container_(container) {}
        void MouseLeave() override { container_.MouseLeft(); }

    private:
        TcxContainer& container_;
    };
    void StartHoverTracking();

    // The frame arithmetic's view of the styles and the view info.
    TcxContainerFrame Frame();
    void ComputeStatePart(POINT p, bool hotTrackAllowed);
    // The frame colour of the plain and skinned looks.
    TColor ComputeFrameColor();
    TColor ComputeBackgroundColor();
    // The window region UpdateWindowRegion sets; none without an own border.
    TcxContainerRegion NewWindowRegion();
    void PaintThemed(TcxCanvas& canvas);
    void PaintPlain(TcxCanvas& canvas);
    // A font set on the control, or come from its parent, goes to the normal style.
    void CMFontChanged(TMessage& m);
    void CMParentColorChanged(TMessage& m);
    void CMParentFontChanged(TMessage& m);
    // The normal style's value goes back to following its fallbacks.
    void ClearOwnStyleValue(TcxContainerStyleValue value);
    // False when the container went meanwhile.
    bool PassParentChange(TMessage& m, TcxContainerStyleValue value);
    void WMNCPaint(TMessage& m) { m.Result = 0; }
    void WMSetCursor(TMessage& m);
    void WMWindowPosChanging(TMessage& m);
    void CMSysColorChange(TMessage& m);
    void WMRefreshAtCursor(TMessage& m);
    void WMSyncInnerScrollBars(TMessage& m);

    std::unique_ptr<TcxContainerStyles> styles_;
    TcxContainerStyle* activeStyle_ = nullptr;
    std::uint8_t activeStyleState_ = csfNormal;
    std::unique_ptr<TcxContainerViewInfo> viewInfo_;
    TWinControl* innerControl_ = nullptr;
    bool refreshLocked_ = false;
    bool viewInfoCalculated_ = false;
    bool creating_ = true;
    // The clip last given to the inner control; whole: none.
    bool innerRegionWhole_ = true;
    TRect innerRegionRect_{};
    bool refreshing_ = false;
    // The container itself sets its colour or font: not a value for the style.
    bool internalSetting_ = false;
    int popupMenuLockCount_ = 0;
    TWndMethod innerWndProc_;
    TLeaveTracker leaveTracker_{*this};
};
