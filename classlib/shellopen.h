// Opening an address or a mail link with the shell's default action.
#pragma once

#include <functional>
#include <string>

// ShellExecuteA "open" on the target in a normal window.
void ShellOpen(const std::string& target);

// Tests put a recorder here so that no browser or mail program starts;
// an empty function restores the shell.
using TShellOpener = std::function<void(const std::string& target)>;
void SetShellOpener(TShellOpener opener);
