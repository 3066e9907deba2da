#include "editors/controls/text/cxtextchars.h"

#include "editors/foundation/core/cxtext.h"

std::size_t cxBytesOfChars(const std::string& text, std::size_t count)
{
    std::size_t i = 0;
    for (; count > 0 && i < text.size(); --count)
        i = cxNextCharOffset(text, i);
    return i;
}

std::size_t cxCharBoundaryFrom(const std::string& text, std::size_t offset)
{
    std::size_t i = 0;
    while (i < offset && i < text.size())
        i = cxNextCharOffset(text, i);
    return i;
}

std::size_t cxFindSingleByteChar(const std::string& text, char c, std::size_t from)
{
    std::size_t i = cxCharBoundaryFrom(text, from);
    while (i < text.size()) {
        const std::size_t next = cxNextCharOffset(text, i);
        if (next == i + 1 && text[i] == c)
            return i;
        i = next;
    }
    return text.size();
}

std::size_t cxLastCharOffset(const std::string& text)
{
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size(); i = cxNextCharOffset(text, i))
        last = i;
    return last;
}
