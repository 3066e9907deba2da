#include "editors/foundation/scrollbars/cxscrollbarsupdate.h"

#include <algorithm>
#include <climits>

namespace {

constexpr TScrollBarKind kKinds[] = {TScrollBarKind::sbHorizontal, TScrollBarKind::sbVertical};
// Layouts that cycle through more than two states would otherwise nest
// without end; past this depth the bars stay as they are.
constexpr int kMaxDepth = 8;

// A bar keeps its changes in a short: a page over 32,767 would wrap to a step back.
short Change(int value)
{
    return static_cast<short>(std::clamp<int>(value, SHRT_MIN, SHRT_MAX));
}

TScrollBarKind Other(TScrollBarKind kind)
{
    return kind == TScrollBarKind::sbHorizontal ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal;
}

} // namespace

void cxSetScrollBarData(TcxScrollBarData& data, bool admitted, int min, int max, int step, int page, int position,
                        bool allowShow, bool allowHide)
{
    data.AllowShow = allowShow && admitted;
    data.AllowHide = allowHide;
    if (!data.AllowShow) {
        data.Visible = false;
        return;
    }
    const bool needed = min <= max && page < static_cast<long long>(max) - min + 1 && min <= position;
    if (needed) {
        data.Min = min, data.Max = max, data.PageSize = page, data.Position = position;
        data.SmallChange = Change(step), data.LargeChange = Change(page);
        data.Enabled = data.Visible = true;
    } else if (allowHide) {
        data.Visible = false;
    } else {
        data.Enabled = false, data.Visible = true;
    }
}

void TcxScrollBarsController::SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page,
                                               int position, bool allowShow, bool allowHide)
{
    cxSetScrollBarData(data_[Index(kind)], ScrollBarAdmitted(kind), min, max, step, page, position, allowShow,
                       allowHide);
}

bool TcxScrollBarsController::ScrollBarVisible(TScrollBarKind kind) const
{
    if (!HasScrollBars())
        return false;
    return calculating_ ? data_[Index(kind)].Visible : Shown(kind);
}

void TcxScrollBarsController::CalculateParameters()
{
    calculating_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{calculating_};
    for (auto& data : data_)
        data.Visible = false;
    bool changed = true;
    while (changed) {
        const bool h = ScrollBarVisible(TScrollBarKind::sbHorizontal);
        const bool v = ScrollBarVisible(TScrollBarKind::sbVertical);
        InitScrollBarsParameters();
        changed = h != ScrollBarVisible(TScrollBarKind::sbHorizontal) || v != ScrollBarVisible(TScrollBarKind::sbVertical);
    }
    EnlargeMutualPages();
}

// Bars needed only because each takes room from the other go together.
void TcxScrollBarsController::EnlargeMutualPages()
{
    for (TScrollBarKind kind : kKinds) {
        const TcxScrollBarData& d = data_[Index(kind)];
        if (!d.Visible || !d.Enabled || !d.AllowHide)
            return;
        if (IsPixelScrollBar(kind) &&
            static_cast<long long>(d.PageSize) + Thickness(Other(kind)) < static_cast<long long>(d.Max) - d.Min + 1)
            return;
    }
    for (TScrollBarKind kind : kKinds) {
        const TcxScrollBarData d = data_[Index(kind)];
        SetScrollBarInfo(kind, d.Min, d.Max, d.SmallChange, d.PageSize + Thickness(Other(kind)), d.Position,
                         d.AllowShow, d.AllowHide);
    }
}

void TcxScrollBarsController::UpdateScrollBars()
{
    if (!HasScrollBars())
        return;
    const bool nested = updating_;
    if (!nested)
        for (TScrollBarKind kind : kKinds)
            initialVisible_[Index(kind)] = Shown(kind);
    updating_ = true;
    ++depth_;
    struct Restore {
        TcxScrollBarsController& self;
        bool nested;
        ~Restore()
        {
            self.updating_ = nested;
            --self.depth_;
            if (!nested)
                self.initialApplied_ = false;
        }
    } restore{*this, nested};
    const std::array<bool, 2> before{Shown(TScrollBarKind::sbHorizontal), Shown(TScrollBarKind::sbVertical)};

    if (!initialApplied_) {
        CalculateParameters();
        const bool backAtStart = data_[0].Visible == initialVisible_[0] && data_[1].Visible == initialVisible_[1];
        if (nested && (backAtStart || depth_ > kMaxDepth)) {
            initialApplied_ = true;
            for (TScrollBarKind kind : kKinds)
                if (Shown(kind) != initialVisible_[Index(kind)])
                    ShowDisabled(kind);
        } else {
            for (TScrollBarKind kind : kKinds)
                ApplyData(kind, data_[Index(kind)]);
        }
    }
    if (before[0] != Shown(TScrollBarKind::sbHorizontal) || before[1] != Shown(TScrollBarKind::sbVertical))
        BoundsChanged();
    else
        PlaceScrollBars();
}
