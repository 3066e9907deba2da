#include "classlib/filectrl.h"

#include <windows.h>
#include <shlobj.h>

#include "classlib/application.h"
#include "classlib/directories.h"
#include "classlib/itemidlist.h"

namespace {
int CALLBACK StartAtFolder(HWND dialog, UINT msg, LPARAM, LPARAM folder)
{
    if (msg == BFFM_INITIALIZED)
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, folder);
    return 0;
}
} // namespace

bool SelectDirectory(const std::string& caption, std::string& directory)
{
    char name[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = Application.Handle();
    info.pszDisplayName = name;
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    std::string start = directory;
    if (DirectoryExists(start)) {
        info.lpfn = StartAtFolder;
        info.lParam = reinterpret_cast<LPARAM>(start.c_str());
    }
    UniqueItemIdList chosen(SHBrowseForFolderA(&info));
    char path[MAX_PATH] = {};
    if (!chosen || !SHGetPathFromIDListA(chosen.get(), path))
        return false;
    directory = path;
    return true;
}
