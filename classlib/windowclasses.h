// Window classes of our own controls, registered on first use from the
// control's creation parameters; all share the controls' window procedure.
#pragma once

#include <windows.h>

#include <typeinfo>

// What a control's window is made of.
struct TCreateParams {
    const char* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = 0;
};

inline constexpr char kFormClass[] = "VostrelForm";

// Registers params.className with params.classStyle and that procedure
// unless a class of that name exists already (the system's EDIT, BUTTON ...
// included).
void RegisterWindowClass(const TCreateParams& params, WNDPROC proc);
// A class name made from the C++ class, alive for the whole run.
const char* WindowClassName(const std::type_info& type);
