#include "classlib/webbrowserole.h"

#include "classlib/lateproc.h"

namespace webbrowserole {

namespace {

struct Entries {
    HRESULT(WINAPI* oleInitialize)(void*);
    void(WINAPI* oleUninitialize)();
    HRESULT(WINAPI* coCreateInstance)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT);
    void(WINAPI* sysFreeString)(BSTR);
    UINT(WINAPI* sysStringLen)(BSTR);
};

// Found once, on the first call.
const Entries& Loaded()
{
    static const Entries entries{
        LateProc<decltype(Entries::oleInitialize)>("ole32.dll", "OleInitialize"),
        LateProc<decltype(Entries::oleUninitialize)>("ole32.dll", "OleUninitialize"),
        LateProc<decltype(Entries::coCreateInstance)>("ole32.dll", "CoCreateInstance"),
        LateProc<decltype(Entries::sysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen"),
        LateProc<decltype(Entries::sysFreeString)>("oleaut32.dll", "SysFreeString"),
        LateProc<decltype(Entries::sysStringLen)>("oleaut32.dll", "SysStringLen"),
    };
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
