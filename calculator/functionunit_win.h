// The parts of FunctionUnit that ask Windows.
#pragma once

#include <string>

// The Windows folder with a trailing backslash.
std::string windowsdir();

// Today's date as the system's short date format writes it.
std::string todaydatetext();
