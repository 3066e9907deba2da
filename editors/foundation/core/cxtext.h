// Small text functions over GBK byte strings (positions start at 1).
#pragma once

#include <cstddef>
#include <string>

// The text before the first "|", or all of it.
std::string cxTextBeforeSeparator(const std::string& s);
// Pointer at the pos-th byte; a position outside 1..length points at the end.
const char* cxCharPtrAt(const std::string& s, int pos);
// Bytes of the character starting at byte pos (2 for a GBK lead byte with
// its trail byte); 0 for a position outside 1..length.
int cxCharSizeAt(const std::string& s, int pos);
// The position after the character at the 0-based offset i.
std::size_t cxNextCharOffset(const std::string& s, std::size_t i);

// Locale-aware comparison without regard to letter case: below, equal or above zero.
int cxAnsiCompareText(const std::string& a, const std::string& b);

// Whether a text in this (resolved) character set needs complex-script
// handling: GB2312 (134), Big5 (136) and Arabic (178), unless the text is
// empty or starts with a one-byte character below 0x80.
bool cxIsComplexCharsetFor(int charset, const std::string& text);
