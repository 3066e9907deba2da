// Text routines over GBK byte strings.
#pragma once

#include <string>

// The text without blanks and control characters at either end (GBK bytes
// of double-byte characters are all above the blank, so they stay).
std::string Trim(const std::string& text);
