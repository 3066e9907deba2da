// The inner window's native scroll bars as the container sees them, and
// their mirroring on its own bars for a class that has them (none here).
#include <algorithm>

#include "editors/edit/container/cxcontainer.h"

namespace {

// The size GetScrollBarInfo takes in both builds.
constexpr DWORD kScrollBarInfoSize = 60;

LONG NativeBarState(const SCROLLBARINFO& info)
{
    return static_cast<LONG>(info.rgstate[0]);
}

} // namespace

bool TcxContainer::ReadInnerScrollBarInfo(SCROLLBARINFO& info, TScrollBarKind kind) const
{
    if ((ComponentState() & csDestroying) || !Parent() || !HandleAllocated() || !innerControl_ ||
        !innerControl_->HandleAllocated())
        return false;
    info = SCROLLBARINFO{};
    info.cbSize = kScrollBarInfoSize;
    const LONG object = kind == TScrollBarKind::sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
    return GetScrollBarInfo(innerControl_->Handle(), object, &info);
}

bool TcxContainer::IsScrollBarUsable(const SCROLLBARINFO& info)
{
    return !(NativeBarState(info) & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
}

TRect TcxContainer::GetScrollBarRect(const SCROLLBARINFO& info) const
{
    POINT corner{info.rcScrollBar.left, info.rcScrollBar.top};
    ScreenToClient(Handle(), &corner);
    const int width = info.rcScrollBar.right - info.rcScrollBar.left;
    const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    if (corner.x < 0 || corner.y < 0 || width > Width() || height > Height())
        return TRect{};
    return TRect{corner.x, corner.y, corner.x + width, corner.y + height};
}

bool TcxContainer::IsScrollBarEnabled(const TcxScrollBar& bar, const SCROLLBARINFO& info)
{
    return bar.Parent() && bar.Parent()->Enabled() && !(NativeBarState(info) & STATE_SYSTEM_UNAVAILABLE);
}

void TcxContainer::ShowScrollBar(TcxScrollBar& bar, bool visible)
{
    bar.SetVisible(visible);
    if (visible)
        bar.BringToFront();
}

void TcxContainer::SyncScrollBar(TcxScrollBar& bar)
{
    SCROLLBARINFO info;
    const bool usable = ReadInnerScrollBarInfo(info, bar.Kind()) && IsScrollBarUsable(info);
    const TRect r = usable ? GetScrollBarRect(info) : TRect{};
    if (IsRectEmpty(&r)) {
        ShowScrollBar(bar, false);
        return;
    }
    SCROLLINFO scroll{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(innerControl_->Handle(), bar.Kind() == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT, &scroll);
    const int page = std::min(static_cast<int>(scroll.nPage), scroll.nMax);
    bar.SetRangeAndPosition(scroll.nMin, scroll.nMax, scroll.nPos, page, true);
    bar.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    bar.SetEnabled(IsScrollBarEnabled(bar, info));
    ShowScrollBar(bar, true);
}

// No class here has bars of its own (HasScrollBars is false): there is
// nothing to mirror.
void TcxContainer::SyncInnerScrollBars(bool)
{
    if (!HasScrollBars())
        return;
    for (TcxScrollBar* bar : {static_cast<TcxScrollBar*>(HScrollBar()), static_cast<TcxScrollBar*>(VScrollBar())})
        if (bar)
            SyncScrollBar(*bar);
}
