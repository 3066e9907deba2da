// Owners of GDI objects and other handles, so every one is released once.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

template <class H, class Deleter>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept
    {
        if (this != &o)
            reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(H h = nullptr)
    {
        if (h_)
            Deleter{}(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

struct GdiDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct ImageListDeleter {
    void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};
struct DCDeleter {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct KernelDeleter {
    void operator()(HANDLE h) const { CloseHandle(h); }
};

using UniqueFont = UniqueHandle<HFONT, GdiDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiDeleter>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListDeleter>;
using UniqueRegion = UniqueHandle<HRGN, GdiDeleter>;
// A DC of CreateCompatibleDC or CreateDC (not one of GetDC).
using UniqueDC = UniqueHandle<HDC, DCDeleter>;

// A file handle; INVALID_HANDLE_VALUE counts as none.
class UniqueFile {
public:
    explicit UniqueFile(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    HANDLE get() const { return h_.get(); }
    explicit operator bool() const { return static_cast<bool>(h_); }

private:
    UniqueHandle<HANDLE, KernelDeleter> h_;
};

// Selects a GDI object into a device context for one scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectObjectScope() { SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Saves a device context's state (origins, clipping, selected objects) for one scope.
class SaveDCScope {
public:
    explicit SaveDCScope(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SaveDCScope() { RestoreDC(dc_, saved_); }
    SaveDCScope(const SaveDCScope&) = delete;
    SaveDCScope& operator=(const SaveDCScope&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A window's client-area DC of GetDCEx for one scope.
class WindowDCScope {
public:
    WindowDCScope(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~WindowDCScope()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDCScope(const WindowDCScope&) = delete;
    WindowDCScope& operator=(const WindowDCScope&) = delete;

    HDC DC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A window's paint cycle for one scope: BeginPaint, and EndPaint however
// the painting ends, so a failed painting is not asked for again at once.
class PaintCycleScope {
public:
    explicit PaintCycleScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintCycleScope() { EndPaint(window_, &ps_); }
    PaintCycleScope(const PaintCycleScope&) = delete;
    PaintCycleScope& operator=(const PaintCycleScope&) = delete;

    HDC DC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};
