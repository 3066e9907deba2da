// PCRE2 as an oracle for the standard mask's IsTextValid: each position's
// item becomes the byte set it takes, blanks included where it may stay empty.
#pragma once

#include <optional>
#include <string>

class TcxStandardMask;

// The whole-text pattern for the mask's items.
std::string cxStandardMaskToPcre2(const TcxStandardMask& mask);
// Whether PCRE2 takes text whole under that pattern; nothing when it cannot tell.
std::optional<bool> cxStandardMaskPcre2Valid(const TcxStandardMask& mask, const std::string& text);
