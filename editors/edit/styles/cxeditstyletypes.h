// What an editor style adds to a container style: how its buttons look,
// its popup border and its gradient, as six more style values.
#pragma once

#include <cstdint>

#include "editors/edit/styles/cxcontainerstyletypes.h"

enum TcxEditButtonStyle : std::uint8_t { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
enum TcxEditButtonTransparency : std::uint8_t { ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected };
enum TcxEditPopupBorderStyle : std::uint8_t { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
enum TcxEditGradientDirection : std::uint8_t { dirNone, dirLeft, dirRight, dirUp, dirDown };

// The editor style's values, after the container style's ten.
enum : TcxContainerStyleValue {
    svButtonStyle = svTransparentBorder + 1,
    svButtonTransparency,
    svPopupBorderStyle,
    svGradientButtons,
    svGradient,
    svGradientDirection,
};
constexpr int cxEditStyleValueCount = svGradientDirection + 1;

// The values a state style does not publish: the container's base values
// and the button transparency, popup border and gradients.
constexpr TcxContainerStyleValues cxEditStateHiddenValues = 0xFA78;
