// A region object the container makes: deleted when it goes, unless handed
// on to a window or another owner first. The count of live ones shows a
// test that the container leaves none behind (GetGuiResources counts
// nothing under Wine).
#pragma once

#include <windows.h>

class TcxContainerRegion {
public:
    // None.
    TcxContainerRegion() = default;
    explicit TcxContainerRegion(const RECT& r);
    ~TcxContainerRegion();
    TcxContainerRegion(TcxContainerRegion&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    TcxContainerRegion& operator=(TcxContainerRegion&& other) noexcept;
    TcxContainerRegion(const TcxContainerRegion&) = delete;
    TcxContainerRegion& operator=(const TcxContainerRegion&) = delete;

    HRGN Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Adds r to the region.
    void Unite(const RECT& r);
    // The new owner deletes it; nullptr for none.
    HRGN Release();
    // SetWindowRgn, after which the window owns the region.
    void GiveToWindow(HWND window, bool redraw);

    // Regions made here and neither deleted nor handed on.
    static int LiveCount();

private:
    HRGN handle_ = nullptr;
};
