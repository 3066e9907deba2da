#include "classlib/exceptions.h"

#include <windows.h>

std::string SysErrorMessage(unsigned long code)
{
    char* text = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = n ? std::string(text, n) : std::string();
    if (text)
        LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    if (result.empty())
        result = "System Error.  Code: " + std::to_string(code) + ".";
    return result;
}

void RaiseLastOSError(const char* what)
{
    DWORD code = GetLastError();
    throw EOSError(std::string(what) + ": " + SysErrorMessage(code));
}
