// Which of a control's two scroll bars show: the pending data a control
// fills for each bar, and the loop that settles their visibility without a
// window, so the stability rules run on the host too.
#pragma once

#include <array>

enum class TScrollBarKind { sbHorizontal, sbVertical };

// What a bar is to become, filled by SetScrollBarInfo and applied at once.
struct TcxScrollBarData {
    int Min = 0, Max = 100, Position = 0, PageSize = 0;
    short SmallChange = 1, LargeChange = 1;
    bool Enabled = true, Visible = false, AllowShow = true, AllowHide = true;
};

// admitted: the control's scroll-bar style allows this bar at all.
void cxSetScrollBarData(TcxScrollBarData& data, bool admitted, int min, int max, int step, int page, int position,
                        bool allowShow, bool allowHide);

class TcxScrollBarsController {
public:
    virtual ~TcxScrollBarsController() = default;

    void SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page, int position, bool allowShow,
                          bool allowHide);
    // While the parameters are calculated, the pending visibility.
    bool ScrollBarVisible(TScrollBarKind kind) const;
    const TcxScrollBarData& Data(TScrollBarKind kind) const { return data_[Index(kind)]; }
    // Settles and applies the bars; a change of visibility re-enters
    // through BoundsChanged until the layout comes back to where it began.
    void UpdateScrollBars();
    bool Calculating() const { return calculating_; }

protected:
    virtual bool HasScrollBars() const { return true; }
    virtual bool ScrollBarAdmitted(TScrollBarKind kind) const = 0;
    // A descendant calls SetScrollBarInfo for both bars here.
    virtual void InitScrollBarsParameters() = 0;
    virtual bool IsPixelScrollBar(TScrollBarKind) const { return false; }
    // The bar's Height for the horizontal one, its Width for the vertical one.
    virtual int Thickness(TScrollBarKind kind) const = 0;
    virtual bool Shown(TScrollBarKind kind) const = 0;
    virtual void ApplyData(TScrollBarKind kind, const TcxScrollBarData& data) = 0;
    virtual void ShowDisabled(TScrollBarKind kind) = 0;
    virtual void BoundsChanged() { UpdateScrollBars(); }
    // Grip and bar bounds once the visibility holds.
    virtual void PlaceScrollBars() = 0;

private:
    static int Index(TScrollBarKind kind) { return kind == TScrollBarKind::sbHorizontal ? 0 : 1; }
    void CalculateParameters();
    void EnlargeMutualPages();

    std::array<TcxScrollBarData, 2> data_{};
    std::array<bool, 2> initialVisible_{};
    bool calculating_ = false, updating_ = false, initialApplied_ = false;
    int depth_ = 0;
};
