// Letter case of GBK byte texts, converted a whole character at a time.
#pragma once

#include <string>

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The text in capitals or in small letters: ASCII letters everywhere, and
// on Windows the double-byte letters the locale knows (full-width, Greek,
// Cyrillic). A trail byte is never taken for a letter, and a lead byte that
// ends the text stays as it is (the system would make it a '?').
std::string AnsiUpperCase(const std::string& text);
std::string AnsiLowerCase(const std::string& text);
// The text in the given case.
std::string ApplyCharCase(const std::string& text, TEditCharCase charCase);

// Below, equal to or above zero, without regard to letter case. Texts are
// equal exactly when their capitals are the same bytes; unequal ones are
// ordered by the locale on Windows, by bytes elsewhere.
int AnsiCompareText(const std::string& a, const std::string& b);
