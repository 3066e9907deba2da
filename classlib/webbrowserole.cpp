#include "classlib/webbrowserole.h"

namespace webbrowserole {

namespace {

struct Entries {
    HRESULT(WINAPI* oleInitialize)(void*) = nullptr;
    void(WINAPI* oleUninitialize)() = nullptr;
    HRESULT(WINAPI* coCreateInstance)(REFCLSID, IUnknown*, DWORD, REFIID, void**) = nullptr;
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT) = nullptr;
    void(WINAPI* sysFreeString)(BSTR) = nullptr;
    UINT(WINAPI* sysStringLen)(BSTR) = nullptr;
};

template <class F>
void Find(HMODULE module, const char* name, F& entry)
{
    // void(*)() converts to and from every function pointer type without a warning.
    if (module)
        entry = reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Loaded once, on the first call; the libraries stay for the rest of the run.
const Entries& Loaded()
{
    static const Entries entries = [] {
        Entries e;
        HMODULE ole = LoadLibraryA("ole32.dll");
        Find(ole, "OleInitialize", e.oleInitialize);
        Find(ole, "OleUninitialize", e.oleUninitialize);
        Find(ole, "CoCreateInstance", e.coCreateInstance);
        HMODULE automation = LoadLibraryA("oleaut32.dll");
        Find(automation, "SysAllocStringLen", e.sysAllocStringLen);
        Find(automation, "SysFreeString", e.sysFreeString);
        Find(automation, "SysStringLen", e.sysStringLen);
        return e;
    }();
    return entries;
}

constexpr HRESULT kMissing = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

} // namespace

HRESULT Initialize()
{
    auto f = Loaded().oleInitialize;
    return f ? f(nullptr) : kMissing;
}

void Uninitialize()
{
    if (auto f = Loaded().oleUninitialize)
        f();
}

HRESULT CreateInstance(REFCLSID clsid, REFIID iid, void** out)
{
    auto f = Loaded().coCreateInstance;
    return f ? f(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, out) : kMissing;
}

BSTR AllocString(const wchar_t* text, UINT length)
{
    auto f = Loaded().sysAllocStringLen;
    return f ? f(text, length) : nullptr;
}

void FreeString(BSTR text)
{
    if (auto f = Loaded().sysFreeString)
        f(text);
}

UINT StringLength(BSTR text)
{
    auto f = Loaded().sysStringLen;
    return f ? f(text) : 0;
}

} // namespace webbrowserole
