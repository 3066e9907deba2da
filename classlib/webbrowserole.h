// The OLE and automation calls of the WebBrowser control, found in ole32 and
// oleaut32 on first use: the program itself imports neither, so oleaut32
// stays unloaded until a web page is shown (ole32 comes with shell32).
#pragma once

#include <ole2.h>

namespace webbrowserole {

// OleInitialize(nullptr); a failed result when ole32 cannot be loaded.
HRESULT Initialize();
void Uninitialize();
// CoCreateInstance of an in-process server.
HRESULT CreateInstance(REFCLSID clsid, REFIID iid, void** out);

// SysAllocStringLen, SysFreeString and SysStringLen.
BSTR AllocString(const wchar_t* text, UINT length);
void FreeString(BSTR text);
UINT StringLength(BSTR text);

} // namespace webbrowserole
