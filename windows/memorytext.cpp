#include "windows/memorytext.h"

#include <cstdio>

std::string KilobytesText(std::uint64_t bytes, const std::string& thousandSeparator)
{
    std::string digits = std::to_string(bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0));
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += thousandSeparator;
        text += digits[i];
    }
    return text + " KB";
}

std::string MemoryLoadText(unsigned percent)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u %%", percent);
    return text;
}
