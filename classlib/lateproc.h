// Entry points of system libraries that a program needs only now and then
// (the sound player, the common dialogs, OLE), looked up on first use, so
// that the library is not loaded at every start.
#pragma once

#include <windows.h>

// The function name of library dll, which is loaded now and stays loaded;
// null when either is missing. Keep the result: each call loads anew.
template <class F>
F LateProc(const char* dll, const char* name)
{
    HMODULE module = LoadLibraryA(dll);
    // void(*)() converts to and from every function pointer type without a warning.
    return module ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}
