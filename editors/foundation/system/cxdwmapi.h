// The desktop-composition library, bound by name on systems after 5.x.
#pragma once

#include <windows.h>

namespace cxDwmApi {
void Bind();
void Unbind();
bool Bound();
// Every entry point the library is asked for, null when missing.
extern FARPROC DwmDefWindowProc, DwmEnableBlurBehindWindow, DwmEnableComposition, DwmEnableMMCSS,
    DwmExtendFrameIntoClientArea, DwmGetColorizationColor, DwmGetWindowAttribute, DwmIsCompositionEnabled,
    DwmSetWindowAttribute;
} // namespace cxDwmApi

bool cxDesktopCompositionActive();
