// What every window of the program asks of the application object: the
// program's title and instance, ending, and the reporting of exceptions.
// The forms it owns and its loop are in applicationforms.cpp, so the units
// below forms can use this one.
#include "classlib/application.h"

#include "classlib/exceptions.h"
#include "classlib/filepaths.h"

TApplication Application;

HINSTANCE TApplication::Instance() const
{
    return GetModuleHandleA(nullptr);
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

std::string TApplication::Title() const
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = ExtractFileName(path);
    if (auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}

void TApplication::HandleException() noexcept
{
    try {
        std::string text;
        try {
            throw;
        } catch (const EAbort&) {
            return;
        } catch (const std::exception& e) {
            text = e.what();
        } catch (...) {
            text = "Unknown exception";
        }
        MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
    } catch (...) {
        // Nothing more can be reported from here.
    }
}
