// Walking GBK byte texts a character at a time.
#pragma once

#include <cstddef>
#include <string_view>

inline bool IsGbkLeadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// The offset after the character at offset i: a lead byte takes the byte
// after it, unless the text ends there.
inline std::size_t GbkNextCharOffset(std::string_view text, std::size_t i)
{
    if (i >= text.size())
        return text.size();
    return IsGbkLeadByte(text[i]) && i + 1 < text.size() ? i + 2 : i + 1;
}
