// What the container's themed look reads from the visual style: the frame
// colour, the edit part's fill colour and the content rectangle inside a
// themed frame. Each answer has a plain fallback for when the theme gives none.
#pragma once

#include <windows.h>

#include <optional>

#include "classlib/colors.h"
#include "editors/foundation/graphics/cxcanvasgeometry.h"

// The combo box's border colour, or the list box's under desktop
// composition: what a themed edit frame looks like; clBtnShadow without one.
TColor cxContainerThemedFrameColor();
// The fill colour of a theme class's part and state; none when the theme has none.
std::optional<TColor> cxContainerThemeFillColor(int themeClass, int part, int state);
// What the part leaves inside bounds; bounds itself when the theme says nothing.
TRect cxContainerThemeContentRect(HDC dc, int themeClass, int part, int state, const TRect& bounds);
