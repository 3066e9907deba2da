#include "classlib/shellopen.h"

#include <windows.h>
#include <shellapi.h>

#include "classlib/application.h"

namespace {
TShellOpener& Opener()
{
    static TShellOpener opener;
    return opener;
}
} // namespace

void SetShellOpener(TShellOpener opener)
{
    Opener() = std::move(opener);
}

void ShellOpen(const std::string& target)
{
    if (Opener()) {
        Opener()(target);
        return;
    }
    ShellExecuteA(Application.Handle(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
