#include "calculator/functionunit_win.h"

#include <windows.h>

#include "calculator/functionunit.h"

std::string windowsdir()
{
    std::string path(255, '\0');
    UINT length = GetWindowsDirectoryA(path.data(), static_cast<UINT>(path.size()));
    // Too long for the buffer: the answer is the size needed, so ask again.
    if (length >= path.size()) {
        path.resize(length);
        length = GetWindowsDirectoryA(path.data(), static_cast<UINT>(path.size()));
        if (length >= path.size())
            length = 0;
    }
    path.resize(length);
    return addbackslash(path);
}

std::string todaydatetext()
{
    char text[80];
    int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text,
                                static_cast<int>(sizeof text));
    return length > 0 ? std::string(text, static_cast<size_t>(length - 1)) : std::string();
}
