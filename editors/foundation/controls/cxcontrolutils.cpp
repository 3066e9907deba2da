#include "editors/foundation/controls/cxcontrolutils.h"

#include <algorithm>
#include <cstdlib>

std::string cxStripAccelChar(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            result += text[i];
        else if (i + 1 < text.size())
            result += text[++i];
        else
            result += '_';
    }
    return result;
}

bool cxIsNumericChar(char c, int mode, char decimalSeparator)
{
    if ((c >= '0' && c <= '9') || c == '+' || c == '-')
        return true;
    if (mode == 1 || mode == 2)
        if (c == decimalSeparator)
            return true;
    return mode == 2 && (c == 'e' || c == 'E');
}

bool cxIsPrintableChar(char c)
{
    return static_cast<unsigned char>(c) > 31;
}

bool IsInsideDragSquare(int originX, int originY, int x, int y, int threshold)
{
    return std::llabs(static_cast<long long>(x) - originX) < threshold &&
           std::llabs(static_cast<long long>(y) - originY) < threshold;
}

TcxMouseScroll cxMouseScrollAt(int anchorX, int anchorY, int x, int y, int zoneSide, bool horizontalBar,
                               bool verticalBar)
{
    const long long dx = static_cast<long long>(x) - anchorX, dy = static_cast<long long>(y) - anchorY;
    const long long half = zoneSide / 2;
    auto inZone = [&](long long d) { return d >= -half && d < zoneSide - half; };
    if ((!horizontalBar || inZone(dx)) && (!verticalBar || inZone(dy)))
        return {};
    const bool vertical = !horizontalBar || (verticalBar && std::llabs(dy) >= std::llabs(dx));
    TcxMouseScroll result;
    long long distance;
    if (vertical) {
        result.Direction = dy < 0 ? sdUp : sdDown;
        distance = std::llabs(dy);
    } else {
        result.Direction = dx < 0 ? sdLeft : sdRight;
        distance = std::llabs(dx);
    }
    result.Speed = static_cast<int>(std::clamp((distance - half) / 5 + 1, 1LL, 12LL));
    return result;
}

bool cxMouseScrollTickDue(int tick, int speed)
{
    return speed > 0 && tick % (13 - std::min(speed, 12)) == 0;
}

TcxWheelScroll cxWheelScroll(int wheelScrollKind, int delta, int wheelScrollLines)
{
    TcxWheelScroll result;
    if (wheelScrollKind == 1)
        result.Direction = delta >= 0 ? sdLeft : sdRight;
    else if (wheelScrollKind == 2)
        result.Direction = delta >= 0 ? sdUp : sdDown;
    else
        return result;
    // WHEEL_PAGESCROLL is UINT_MAX: -1 read as a signed count.
    if (wheelScrollLines < 0) {
        result.ByPage = true;
        result.Times = 1;
    } else {
        result.Times = wheelScrollLines;
    }
    return result;
}
