#include "editors/edit/container/cxcontainerregion.h"

#include <utility>

namespace {

int liveRegions = 0;

} // namespace

TcxContainerRegion::TcxContainerRegion(const RECT& r) : handle_(CreateRectRgnIndirect(&r))
{
    if (handle_)
        ++liveRegions;
}

TcxContainerRegion::~TcxContainerRegion()
{
    if (handle_) {
        DeleteObject(handle_);
        --liveRegions;
    }
}

TcxContainerRegion& TcxContainerRegion::operator=(TcxContainerRegion&& other) noexcept
{
    if (this != &other) {
        TcxContainerRegion old(std::move(*this));
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

void TcxContainerRegion::Unite(const RECT& r)
{
    TcxContainerRegion added(r);
    if (handle_ && added)
        CombineRgn(handle_, handle_, added.handle_, RGN_OR);
}

HRGN TcxContainerRegion::Release()
{
    HRGN handle = handle_;
    if (handle_) {
        handle_ = nullptr;
        --liveRegions;
    }
    return handle;
}

void TcxContainerRegion::GiveToWindow(HWND window, bool redraw)
{
    SetWindowRgn(window, Release(), redraw);
}

int TcxContainerRegion::LiveCount()
{
    return liveRegions;
}
