// Shortcut files through the shell's link object, and the special folders they go in.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "classlib/comptr.h"

class TShellLink {
public:
    // A link to target, started in workingDirectory; EOleSysError when the
    // link object cannot be made or refuses the values.
    TShellLink(const std::string& target, const std::string& workingDirectory);
    // Saves the link as that file (not remembered as the link's own file).
    bool Save(const std::string& fileName) const;

private:
    ComPtr<IShellLinkA> link_;
    ComPtr<IPersistFile> file_;
};

// The folder of a CSIDL special folder; empty when the shell has none.
std::string SpecialFolderPath(int csidl);
