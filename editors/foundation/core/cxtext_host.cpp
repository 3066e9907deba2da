// The host build compares texts as ASCII: its tests use Latin descriptions.
#include "editors/foundation/core/cxtext.h"

#include <algorithm>

int cxAnsiCompareText(const std::string& a, const std::string& b)
{
    auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
    auto less = [&](char x, char y) { return upper(static_cast<unsigned char>(x)) < upper(static_cast<unsigned char>(y)); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less))
        return -1;
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less) ? 1 : 0;
}
