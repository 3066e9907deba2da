#include "editors/foundation/system/cxdwmapi.h"

namespace cxDwmApi {

FARPROC DwmDefWindowProc, DwmEnableBlurBehindWindow, DwmEnableComposition, DwmEnableMMCSS,
    DwmExtendFrameIntoClientArea, DwmGetColorizationColor, DwmGetWindowAttribute, DwmIsCompositionEnabled,
    DwmSetWindowAttribute;

namespace {
HMODULE library = nullptr;

struct TEntry {
    const char* Name;
    FARPROC* Proc;
};
const TEntry kEntries[] = {
    {"DwmDefWindowProc", &DwmDefWindowProc},
    {"DwmEnableBlurBehindWindow", &DwmEnableBlurBehindWindow},
    {"DwmEnableComposition", &DwmEnableComposition},
    {"DwmEnableMMCSS", &DwmEnableMMCSS},
    {"DwmExtendFrameIntoClientArea", &DwmExtendFrameIntoClientArea},
    {"DwmGetColorizationColor", &DwmGetColorizationColor},
    {"DwmGetWindowAttribute", &DwmGetWindowAttribute},
    {"DwmIsCompositionEnabled", &DwmIsCompositionEnabled},
    {"DwmSetWindowAttribute", &DwmSetWindowAttribute},
};

DWORD MajorVersion()
{
    return LOBYTE(LOWORD(GetVersion()));
}
} // namespace

void Bind()
{
    if (library || MajorVersion() <= 5)
        return;
    library = LoadLibraryA("dwmapi.dll");
    if (library)
        for (const TEntry& e : kEntries)
            *e.Proc = GetProcAddress(library, e.Name);
}

void Unbind()
{
    for (const TEntry& e : kEntries)
        *e.Proc = nullptr;
    if (library)
        FreeLibrary(library);
    library = nullptr;
}

bool Bound()
{
    return library != nullptr;
}

} // namespace cxDwmApi

bool cxDesktopCompositionActive()
{
    if (!cxDwmApi::Bound() || !cxDwmApi::DwmIsCompositionEnabled)
        return false;
    BOOL enabled = FALSE;
    using TIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    // void(*)() converts to and from every function pointer type without a warning.
    const auto isEnabled = reinterpret_cast<TIsCompositionEnabled>(
        reinterpret_cast<void (*)()>(cxDwmApi::DwmIsCompositionEnabled));
    isEnabled(&enabled);
    return enabled != FALSE;
}
