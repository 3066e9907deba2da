#include "editors/foundation/theme/dxuxtheme.h"

#include <commctrl.h>

#include "classlib/widetext.h"

namespace dxUxTheme {

const char* const EntryNames[EntryCount] = {
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "DrawThemeParentBackground",
    "DrawThemeText",
    "DrawThemeTextEx",
    "EnableThemeDialogTexture",
    "GetCurrentThemeName",
    "GetThemeAppProperties",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundRegion",
    "GetThemeBackgroundExtent",
    "GetThemeBool",
    "GetThemeColor",
    "GetThemeDocumentationProperty",
    "GetThemeEnumValue",
    "GetThemeFilename",
    "GetThemeFont",
    "GetThemeInt",
    "GetThemeIntList",
    "GetThemeMargins",
    "GetThemeMetric",
    "GetThemePartSize",
    "GetThemePosition",
    "GetThemePropertyOrigin",
    "GetThemeRect",
    "GetThemeString",
    "GetThemeSysBool",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysFont",
    "GetThemeSysInt",
    "GetThemeSysSize",
    "GetThemeSysString",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetWindowTheme",
    "HitTestThemeBackground",
    "IsAppThemed",
    "IsThemeActive",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "IsThemeDialogTextureEnabled",
    "OpenThemeData",
    "SetThemeAppProperties",
    "SetWindowTheme",
    "BufferedPaintInit",
    "BufferedPaintUnInit",
    "BeginBufferedPaint",
    "EndBufferedPaint",
    "BufferedPaintSetAlpha",
};

TBinding Binding;

namespace {

template <class F>
F Proc(TEntry entry)
{
    // void(*)() converts to and from every function pointer type without a warning.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(Binding.Procs[entry]));
}

// The theme library came with system version 5.1.
bool SystemHasThemes()
{
    OSVERSIONINFOA info = SystemVersion();
    return info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion >= 1);
}

} // namespace

OSVERSIONINFOA SystemVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        info = OSVERSIONINFOA{};
    return info;
}

void Bind()
{
    InitCommonControls();
    if (Binding.Module || !SystemHasThemes())
        return;
    Binding.Module = LoadLibraryA("UxTheme.dll");
    if (!Binding.Module)
        return;
    for (int i = 0; i < EntryCount; ++i)
        Binding.Procs[i] = GetProcAddress(Binding.Module, EntryNames[i]);
}

void Unbind()
{
    if (Binding.Module)
        FreeLibrary(Binding.Module);
    Binding = TBinding{};
}

bool ThemeLibraryPresent()
{
    return Binding.Module != nullptr;
}

int BoundCount()
{
    int count = 0;
    for (FARPROC p : Binding.Procs)
        count += p != nullptr;
    return count;
}

HTHEME OpenThemeData(HWND wnd, LPCWSTR classList)
{
    return Proc<HTHEME(WINAPI*)(HWND, LPCWSTR)>(eOpenThemeData)(wnd, classList);
}

HRESULT CloseThemeData(HTHEME theme)
{
    return Proc<HRESULT(WINAPI*)(HTHEME)>(eCloseThemeData)(theme);
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* r, const RECT* clip)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*)>(eDrawThemeBackground)(
        theme, dc, part, state, r, clip);
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                      DWORD flags2, const RECT* r)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*)>(eDrawThemeText)(
        theme, dc, part, state, text, count, flags, flags2, r);
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const std::string& text, int count, DWORD flags,
                      DWORD flags2, const RECT* r)
{
    // count is in bytes; the library counts UTF-16 units.
    const std::wstring wide = WideFromAnsi(count < 0 ? text : text.substr(0, static_cast<std::size_t>(count)));
    return DrawThemeText(theme, dc, part, state, wide.c_str(), count < 0 ? -1 : static_cast<int>(wide.size()), flags,
                         flags2, r);
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds, RECT* content)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, RECT*)>(eGetThemeBackgroundContentRect)(
        theme, dc, part, state, bounds, content);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* r, int sizeKind, SIZE* size)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, int, SIZE*)>(eGetThemePartSize)(
        theme, dc, part, state, r, sizeKind, size);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, int sizeKind, SIZE* size)
{
    return GetThemePartSize(theme, dc, part, state, nullptr, sizeKind, size);
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* r, HRGN* region)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, HRGN*)>(eGetThemeBackgroundRegion)(
        theme, dc, part, state, r, region);
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* r, UINT edge, UINT flags, RECT* content)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*)>(eDrawThemeEdge)(
        theme, dc, part, state, r, edge, flags, content);
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state)
{
    return Proc<BOOL(WINAPI*)(HTHEME, int, int)>(eIsThemeBackgroundPartiallyTransparent)(theme, part, state);
}

HRESULT DrawThemeParentBackground(HWND wnd, HDC dc, const RECT* r)
{
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    HRESULT result = Proc<HRESULT(WINAPI*)(HWND, HDC, const RECT*)>(eDrawThemeParentBackground)(wnd, dc, r);
    SelectObject(dc, font);
    return result;
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int prop, COLORREF* color)
{
    return Proc<HRESULT(WINAPI*)(HTHEME, int, int, int, COLORREF*)>(eGetThemeColor)(theme, part, state, prop, color);
}

BOOL IsThemeActive()
{
    auto active = Proc<BOOL(WINAPI*)()>(eIsThemeActive);
    return active ? active() : FALSE;
}

HRESULT GetCurrentThemeName(LPWSTR fileName, int fileChars, LPWSTR colorName, int colorChars, LPWSTR sizeName,
                            int sizeChars)
{
    return Proc<HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int)>(eGetCurrentThemeName)(
        fileName, fileChars, colorName, colorChars, sizeName, sizeChars);
}

HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* r, int format, void* params, HDC* dc)
{
    return Proc<HPAINTBUFFER(WINAPI*)(HDC, const RECT*, int, void*, HDC*)>(eBeginBufferedPaint)(target, r, format,
                                                                                               params, dc);
}

HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget)
{
    return Proc<HRESULT(WINAPI*)(HPAINTBUFFER, BOOL)>(eEndBufferedPaint)(buffer, updateTarget);
}

HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* r, BYTE alpha)
{
    return Proc<HRESULT(WINAPI*)(HPAINTBUFFER, const RECT*, BYTE)>(eBufferedPaintSetAlpha)(buffer, r, alpha);
}

} // namespace dxUxTheme
