// Walking a GBK text by whole characters for the masks and patterns built
// from it: a lead byte that ends the text has no trail byte and is passed
// over, so that it cannot take the next byte of the result as its own.
#pragma once

#include <cstddef>
#include <string>

#include "editors/foundation/core/cxtext.h"

// Calls take(offset, length) for each whole character of text.
template <class F>
void cxForEachWholeChar(const std::string& text, F&& take)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t next = cxNextCharOffset(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (next - i == 2 || byte < 0x81 || byte > 0xFE)
            take(i, next - i);
        i = next;
    }
}

// The text without a lead byte it ends on.
inline std::string cxWithoutHalfChar(const std::string& text)
{
    std::string whole;
    cxForEachWholeChar(text, [&](std::size_t i, std::size_t length) { whole.append(text, i, length); });
    return whole;
}
