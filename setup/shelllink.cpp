#include "setup/shelllink.h"

#include "classlib/application.h"
#include "classlib/itemidlist.h"
#include "classlib/oleerror.h"
#include "classlib/widetext.h"

TShellLink::TShellLink(const std::string& target, const std::string& workingDirectory)
{
    OleCheck(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link_.put_void()),
             "ShellLink");
    file_ = link_.as<IPersistFile>(IID_IPersistFile);
    if (!file_)
        throw EOleSysError("ShellLink IPersistFile", E_NOINTERFACE);
    OleCheck(link_->SetPath(target.c_str()), "IShellLinkA::SetPath");
    OleCheck(link_->SetWorkingDirectory(workingDirectory.c_str()), "IShellLinkA::SetWorkingDirectory");
}

bool TShellLink::Save(const std::string& fileName) const
{
    return SUCCEEDED(file_->Save(WideFromAnsi(fileName).c_str(), FALSE));
}

std::string SpecialFolderPath(int csidl)
{
    ITEMIDLIST* found = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(Application.Handle(), csidl, &found)))
        return {};
    UniqueItemIdList list(found);
    char path[MAX_PATH] = {};
    if (!list || !SHGetPathFromIDListA(list.get(), path))
        return {};
    return path;
}
