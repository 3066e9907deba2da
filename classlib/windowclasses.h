// Window classes of our own controls; all share the controls' window procedure.
#pragma once

#include <windows.h>

inline constexpr char kFormClass[] = "VostrelForm";
inline constexpr char kPanelClass[] = "VostrelPanel";
inline constexpr char kSpeedButtonClass[] = "VostrelSpeedButton";

void RegisterWindowClasses(HINSTANCE instance);
