// ASCII letters in the other case, skipping the trail bytes of GBK
// characters: the host's whole conversion, and the single-byte share of the
// Windows one.
#pragma once

#include <string>

#include "classlib/gbkchars.h"

inline char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Converts the single-byte characters of text in place; calls pair(offset)
// for each double-byte character.
template <class Pair>
void ConvertSingleBytes(std::string& text, bool upper, Pair&& pair)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t next = GbkNextCharOffset(text, i);
        if (next - i == 2)
            pair(i);
        else
            text[i] = upper ? AsciiUpper(text[i]) : AsciiLower(text[i]);
        i = next;
    }
}
