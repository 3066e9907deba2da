// The shell's folder-browse dialog.
#pragma once

#include <string>

// Lets the user pick a file-system folder under the desktop; caption is the
// dialog's title line and the dialog starts at directory when it exists.
// True, with directory set, when the user confirmed a folder.
bool SelectDirectory(const std::string& caption, std::string& directory);
