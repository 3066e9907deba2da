// The theme library bound at run time: one table of its 52 entry points,
// looked up by name (a missing one stays null), and a wrapper per entry point
// the library uses. Only IsThemeActive tests its pointer; call the others
// only with a handle from OpenTheme (nonzero means the library is bound).
#pragma once

#include <windows.h>

#include <string>

namespace dxUxTheme {

using HTHEME = HANDLE;
using HPAINTBUFFER = HANDLE;

constexpr int EntryCount = 52;
extern const char* const EntryNames[EntryCount];

// The entry points by their place in EntryNames; tests may replace one.
struct TBinding {
    HMODULE Module = nullptr;
    FARPROC Procs[EntryCount] = {};
};
extern TBinding Binding;

enum TEntry {
    eCloseThemeData = 0, eDrawThemeBackground = 1, eDrawThemeEdge = 2, eDrawThemeParentBackground = 4,
    eDrawThemeText = 5, eGetCurrentThemeName = 8, eGetThemeBackgroundContentRect = 10,
    eGetThemeBackgroundRegion = 11, eGetThemeColor = 14, eGetThemePartSize = 23, eIsThemeActive = 40,
    eIsThemeBackgroundPartiallyTransparent = 42, eOpenThemeData = 44, eBeginBufferedPaint = 49,
    eEndBufferedPaint = 50, eBufferedPaintSetAlpha = 51,
};

// The system's version as GetVersionExA reports it (zeros when it fails).
OSVERSIONINFOA SystemVersion();
// Binds the library on systems from 5.1 on (common controls start in every case).
void Bind();
void Unbind();
bool ThemeLibraryPresent();
// How many entry points are bound.
int BoundCount();

HTHEME OpenThemeData(HWND wnd, LPCWSTR classList);
HRESULT CloseThemeData(HTHEME theme);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* r, const RECT* clip);
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                      DWORD flags2, const RECT* r);
// A text in the system code page, turned into UTF-16 first; count is its
// length in bytes, -1 for all of it.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const std::string& text, int count, DWORD flags,
                      DWORD flags2, const RECT* r);
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds, RECT* content);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* r, int sizeKind, SIZE* size);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, int sizeKind, SIZE* size);
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* r, HRGN* region);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* r, UINT edge, UINT flags, RECT* content);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);
// Keeps the font selected into dc across the call.
HRESULT DrawThemeParentBackground(HWND wnd, HDC dc, const RECT* r);
HRESULT GetThemeColor(HTHEME theme, int part, int state, int prop, COLORREF* color);
BOOL IsThemeActive();
HRESULT GetCurrentThemeName(LPWSTR fileName, int fileChars, LPWSTR colorName, int colorChars, LPWSTR sizeName,
                            int sizeChars);
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* r, int format, void* params, HDC* dc);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* r, BYTE alpha);

} // namespace dxUxTheme
