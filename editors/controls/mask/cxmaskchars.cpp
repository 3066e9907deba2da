#include "editors/controls/mask/cxmaskchars.h"

#include <algorithm>

#include "classlib/gbkchars.h"

int cxMaskNextChar(std::string_view text, int p)
{
    const auto size = static_cast<int>(text.size());
    return p >= size ? size : static_cast<int>(GbkNextCharOffset(text, static_cast<std::size_t>(p)));
}

// GBK cannot be walked backwards: the boundaries are found from the start.
int cxMaskPrevChar(std::string_view text, int p)
{
    p = std::min(p, static_cast<int>(text.size()));
    int i = 0;
    for (int next = 0; (next = cxMaskNextChar(text, i)) < p;)
        i = next;
    return p <= 0 ? 0 : i;
}

int cxMaskCharFloor(std::string_view text, int p)
{
    int i = 0;
    for (int next = 0; i < p && (next = cxMaskNextChar(text, i)) <= p && next > i;)
        i = next;
    return i;
}

int cxMaskCharCount(std::string_view text, int from, int to)
{
    int count = 0;
    for (int i = cxMaskCharFloor(text, from); i < to && i < static_cast<int>(text.size()); i = cxMaskNextChar(text, i))
        ++count;
    return count;
}

int cxMaskCharCeil(std::string_view text, int p)
{
    const int floor = cxMaskCharFloor(text, p);
    return floor < p ? cxMaskNextChar(text, floor) : floor;
}

std::string cxMaskTypedUnit(char key, char pendingSecondByte)
{
    if (!IsGbkLeadByte(key))
        return std::string(1, key);
    return pendingSecondByte ? std::string{key, pendingSecondByte} : std::string();
}
