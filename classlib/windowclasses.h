// Window classes of our own controls, registered on first use from the
// control's creation parameters; all share the controls' window procedure.
#pragma once

#include <typeinfo>

struct TCreateParams;

inline constexpr char kFormClass[] = "VostrelForm";

// Registers params.className with params.classStyle unless a class of that
// name exists already (the system's EDIT, BUTTON ... included).
void RegisterWindowClass(const TCreateParams& params);
// A class name made from the C++ class, alive for the whole run.
const char* WindowClassName(const std::type_info& type);
