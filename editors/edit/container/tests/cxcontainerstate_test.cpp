#include <gtest/gtest.h>

#include "editors/edit/container/cxcontainerstate.h"

namespace {

TEST(ContainerState, StateFromEnabledDesignFocusAndHover)
{
    const struct {
        TcxContainerStateInput input;
        int state;
    } cases[] = {
        {{true, false, false, false}, csfNormal},
        {{true, false, true, false}, csfFocused},
        {{true, false, false, true}, csfNormal | csfHot},
        {{true, false, true, true}, csfFocused | csfHot},
        {{false, false, true, true}, csfDisabled},
        {{true, true, true, true}, csfNormal},
        {{false, true, false, false}, csfDisabled},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cxContainerStateOf(c.input), c.state)
            << c.input.Enabled << c.input.Designing << c.input.Focused << c.input.Hot;
}

TEST(ContainerState, StyleHotStateAndNativeStateByState)
{
    const struct {
        int state;
        bool hotTrack;
        int style, hotState, native;
    } cases[] = {
        {csfNormal, true, 0, 1, 1},
        {csfNormal | csfHot, true, 3, 2, 2},
        {csfNormal | csfHot, false, 0, 0, 2},
        {csfFocused, true, 1, 2, 5},
        {csfFocused | csfHot, true, 1, 2, 5},
        {csfFocused, false, 1, 0, 5},
        {csfDisabled, true, 2, 1, 4},
    };
    for (const auto& c : cases) {
        const auto state = static_cast<std::uint8_t>(c.state);
        EXPECT_EQ(cxContainerStyleIndexForState(state, c.hotTrack), c.style) << c.state << c.hotTrack;
        EXPECT_EQ(cxContainerHotState(c.hotTrack, state), c.hotState) << c.state << c.hotTrack;
        EXPECT_EQ(cxContainerNativeState(state, false), c.native) << c.state;
    }
    // A read-only look shows as such unless disabled.
    EXPECT_EQ(cxContainerNativeState(csfFocused | csfHot, true), 6);
    EXPECT_EQ(cxContainerNativeState(csfDisabled, true), 4);
}

TEST(ContainerState, DrawnFrameStyle)
{
    const struct {
        bool themed;
        TcxContainerBorderStyle normal, active, drawn;
    } cases[] = {
        {false, cbsFlat, cbs3D, cbs3D},
        {false, cbsSingle, cbsUltraFlat, cbsSingle},
        {false, cbsSingle, cbsOffice11, cbsSingle},
        {false, cbsThick, cbsNone, cbsNone},
        {true, cbsUltraFlat, cbsThick, cbsUltraFlat},
        {true, cbsNone, cbsSingle, cbsNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cxContainerDrawnFrameStyle(c.themed, c.normal, c.active), c.drawn)
            << c.themed << int{c.normal} << int{c.active};
}

TEST(ContainerState, FrameHighlight)
{
    const struct {
        int state;
        bool hotTrack, designing, enabled, highlighted;
    } cases[] = {
        {csfNormal, true, false, true, false},
        {csfFocused, false, false, true, true},
        {csfNormal | csfHot, true, false, true, true},
        {csfNormal | csfHot, false, false, true, false},
        {csfNormal, false, true, true, true},
        {csfDisabled, true, true, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cxContainerFrameHighlighted(static_cast<std::uint8_t>(c.state), c.hotTrack, c.designing, c.enabled),
                  c.highlighted)
            << c.state << c.hotTrack << c.designing;
}

} // namespace
