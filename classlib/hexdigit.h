// One hexadecimal digit's value, for readers of hex texts.
#pragma once

// 0..15, or -1 for a byte that is no hex digit.
inline int HexDigitValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
