#include "editors/edit/container/cxcontainerstate.h"

std::uint8_t cxContainerStateOf(const TcxContainerStateInput& input)
{
    if (!input.Enabled)
        return csfDisabled;
    if (input.Designing)
        return csfNormal;
    const std::uint8_t state = input.Focused ? csfFocused : csfNormal;
    return input.Hot ? static_cast<std::uint8_t>(state | csfHot) : state;
}

std::uint8_t cxContainerHotState(bool hotTrack, std::uint8_t state)
{
    if (!hotTrack)
        return 0;
    return state & (csfFocused | csfHot) ? 2 : 1;
}

int cxContainerStyleIndexForState(std::uint8_t state, bool normalHotTrack)
{
    if (state & csfDisabled)
        return 2;
    if (state & csfFocused)
        return 1;
    return normalHotTrack && (state & csfHot) ? 3 : 0;
}

TcxContainerBorderStyle cxContainerDrawnFrameStyle(bool themed, TcxContainerBorderStyle normalStyle,
                                                   TcxContainerBorderStyle activeStyle)
{
    if (themed)
        return normalStyle;
    return activeStyle == cbsUltraFlat || activeStyle == cbsOffice11 ? cbsSingle : activeStyle;
}

bool cxContainerFrameHighlighted(std::uint8_t state, bool activeHotTrack, bool designing, bool enabled)
{
    return (state & csfFocused) || (activeHotTrack && (state & csfHot)) || (designing && enabled);
}

int cxContainerNativeState(std::uint8_t state, bool readOnlyLook)
{
    if (state & csfDisabled)
        return 4;
    if (readOnlyLook)
        return 6;
    if (state & csfFocused)
        return 5;
    return state & csfHot ? 2 : 1;
}
