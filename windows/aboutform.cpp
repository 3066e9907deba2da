#include "windows/aboutform.h"

#include <windows.h>

#include "classlib/shellopen.h"
#include "windows/memorytext.h"

Tf_about* f_about = nullptr;

namespace {
std::string ThousandSeparator()
{
    char text[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text);
    return text;
}
} // namespace

Tf_about::Tf_about()
{
    Bind("FormCreate", &Tf_about::FormCreate);
    Bind("Label7Click", &Tf_about::Label7Click);
    Bind("Label2Click", &Tf_about::Label2Click);
    LoadFromResource("ABOUT");
    PhysMem = &Component<TLabel>("PhysMem");
    FreeRes = &Component<TLabel>("FreeRes");
    DoCreate();
}

void Tf_about::FormCreate(TComponent&)
{
    // The extended status: the plain one stops counting at 4 GiB.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    PhysMem->SetText(KilobytesText(status.ullTotalPhys, ThousandSeparator()));
    FreeRes->SetText(MemoryLoadText(status.dwMemoryLoad));
}

void Tf_about::Label7Click(TComponent&)
{
    ShellOpen(kHomePage);
}

void Tf_about::Label2Click(TComponent&)
{
    ShellOpen(kMailLink);
}
