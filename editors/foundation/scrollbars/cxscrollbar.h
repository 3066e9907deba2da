// A windowed scroll bar drawn wholly by the look-and-feel painter into an
// off-screen bitmap: arrow and page clicks repeat while held, the thumb
// follows the mouse inside a tracking area and snaps back outside it.
#pragma once

#include <functional>
#include <memory>

#include "classlib/bitmap.h"
#include "classlib/customcontrol.h"
#include "editors/foundation/core/cxobjectlinks.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/lookandfeel/cxlookandfeels.h"
#include "editors/foundation/scrollbars/cxscrollbargeometry.h"
#include "editors/foundation/scrollbars/cxscrollbarsupdate.h"
#include "editors/foundation/system/cxtimer.h"
#include "editors/foundation/theme/dxthememanager.h"

using TScrollEvent = std::function<void(TComponent& Sender, TScrollCode code, int& position)>;

class TcxScrollBar;

class TcxScrollBarViewInfo {
public:
    explicit TcxScrollBarViewInfo(TcxScrollBar& scrollBar) : scrollBar_(scrollBar) {}
    virtual ~TcxScrollBarViewInfo() = default;

    virtual void Recalculate() { LayoutParts(); }

    int MinThumbSize() const { return minThumbSize_; }
    void SetMinThumbSize(int value) { minThumbSize_ = value; }
    const TcxScrollBarParts& Parts() const { return parts_; }
    // The thumb placed by a drag, kept between the arrows.
    void MoveThumb(int offset);

protected:
    virtual void LayoutParts();

private:
    TcxScrollBar& scrollBar_;
    int minThumbSize_ = 0;
    TcxScrollBarParts parts_;
};

class TcxScrollBar : public TcxLinkTarget<TCustomControl> {
public:
    explicit TcxScrollBar(TComponent* owner = nullptr);
    ~TcxScrollBar() override;

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind value);
    bool Horizontal() const { return kind_ == TScrollBarKind::sbHorizontal; }
    int Min() const { return range_.Min; }
    int Max() const { return range_.Max; }
    int PageSize() const { return range_.PageSize; }
    int Position() const { return range_.Position; }
    void SetMin(int value) { SetRangeAndPosition(value, range_.Max, range_.Position, range_.PageSize, true); }
    void SetMax(int value) { SetRangeAndPosition(range_.Min, value, range_.Position, range_.PageSize, true); }
    void SetPageSize(int value) { SetRangeAndPosition(range_.Min, range_.Max, range_.Position, value, true); }
    void SetPosition(int value) { SetRangeAndPosition(range_.Min, range_.Max, value, range_.PageSize, true); }
    // Raises EInvalidOperation for max below min or below the page size;
    // the bar then keeps its values.
    void SetRangeAndPosition(int min, int max, int position, int pageSize, bool redraw);
    const TcxScrollBarRange& Range() const { return range_; }
    short SmallChange() const { return smallChange_; }
    void SetSmallChange(short value) { smallChange_ = value; }
    short LargeChange() const { return largeChange_; }
    void SetLargeChange(short value) { largeChange_ = value; }
    bool UnlimitedTracking() const { return unlimitedTracking_; }
    void SetUnlimitedTracking(bool value) { unlimitedTracking_ = value; }

    // The 3-D look asked for; a skin painter keeps it off while it paints.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);

    TcxLookAndFeel& LookAndFeel() { return *lookAndFeel_; }
    void SetLookAndFeel(const TcxLookAndFeel& value) { lookAndFeel_->Assign(value); }
    TcxCustomLookAndFeelPainterClass Painter() const;
    TcxScrollBarViewInfo& ViewInfo() { return *viewInfo_; }
    TcxScrollBarPart PartAt(int x, int y) const;
    TcxScrollBarPart PressedPart() const { return pressedPart_; }
    TcxScrollBarPart HotPart() const { return hotPart_; }

    void SetBounds(int left, int top, int width, int height) override;

    TScrollEvent OnScroll;

protected:
    virtual void NotifyChange();
    virtual std::unique_ptr<TcxScrollBarViewInfo> CreateViewInfo();
    virtual void DrawScrollBar(TcxCanvas& canvas);
    virtual void DrawPart(TcxCanvas& canvas, const TRect& r, TcxButtonState state, TcxScrollBarPart part);
    virtual void Scroll(TScrollCode code, int& position);

    void Paint() override;
    const TMessageMap& Messages() const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void VisibleChanged() override;

    // Both run the scroll handlers: false when those freed the bar.
    bool ScrollByCode(TScrollCode code);
    bool StopTracking();
    void LookAndFeelChanged();

private:
    void WMCancelMode(TMessage& m);
    void WMCaptureChanged(TMessage& m);
    void CNScroll(TMessage& m);
    void CMCtl3DChanged(TMessage& m);
    void CMSysColorChange(TMessage& m);
    void CNCtlColorScrollBar(TMessage& m);
    void ThemeChanged();
    void ApplyCtl3D();
    void TimerTick();
    void DragThumb(int x, int y);
    TcxButtonState PartState(TcxScrollBarPart part) const;
    bool HotTracks() const;
    // The thumb's offset from the end of the first arrow, the track length.
    int ThumbOffset() const;
    int TrackLength() const;
    void Recalculate();

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    TcxScrollBarRange range_;
    short smallChange_ = 1, largeChange_ = 1;
    bool unlimitedTracking_ = false;
    TBitmap bitmap_;
    TcxCanvas bitmapCanvas_{bitmap_.Canvas()};
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    std::unique_ptr<TcxScrollBarViewInfo> viewInfo_;
    std::unique_ptr<TcxTimer> timer_;
    TcxScrollBarPart pressedPart_ = sbpNone, hotPart_ = sbpNone;
    POINT mouseDown_{};
    int savedPosition_ = 0;
    POINT savedThumbTopLeft_{};
    bool requestedCtl3D_ = true, ctl3D_ = true;
    TdxThemeChangedNotificator themeNotificator_;
};
