#include "editors/edit/container/cxcontainertypes.h"

#include <array>

int GetContainerBorderWidth(TcxContainerBorderStyle style)
{
    static constexpr std::array<int, 7> widths{0, 1, 2, 2, 2, 1, 1};
    return style < widths.size() ? widths[style] : 0;
}
