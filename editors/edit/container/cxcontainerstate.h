// How the container chooses its state, its style and its look from what it
// knows of itself: the view information's state part, without a window, so
// that the control and its tests share it.
#pragma once

#include <cstdint>

#include "editors/edit/container/cxcontainertypes.h"

// What the state depends on; Hot: hot tracking is allowed for this update
// and the cursor lies in the draw bounds.
struct TcxContainerStateInput {
    bool Enabled = true;
    bool Designing = false;
    bool Focused = false;
    bool Hot = false;
};

// {csfDisabled} when disabled; {csfNormal} at design time; else focused or
// normal, plus csfHot.
std::uint8_t cxContainerStateOf(const TcxContainerStateInput& input);
// 0: the active style has no hot tracking; 2: it has, and the state is
// focused or hot; 1: otherwise.
std::uint8_t cxContainerHotState(bool hotTrack, std::uint8_t state);
// The index of the style drawn in a state (0 normal, 1 focused, 2 disabled,
// 3 hot); hot only while the normal style tracks it.
int cxContainerStyleIndexForState(std::uint8_t state, bool normalHotTrack);
// The border style drawn: themed, the normal style's; else the active
// style's; UltraFlat and Office11 are drawn as a single frame.
TcxContainerBorderStyle cxContainerDrawnFrameStyle(bool themed, TcxContainerBorderStyle normalStyle,
                                                   TcxContainerBorderStyle activeStyle);
// Whether the frame shows its highlight colour: focused, hot while the
// active style tracks it, or enabled at design time.
bool cxContainerFrameHighlighted(std::uint8_t state, bool activeHotTrack, bool designing, bool enabled);
// The themed edit part's state: 4 disabled, 6 read-only look, 5 focused,
// 2 hot, else 1.
int cxContainerNativeState(std::uint8_t state, bool readOnlyLook);
