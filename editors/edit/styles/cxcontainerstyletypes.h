// What a container style holds: its border styles, the indexes of its
// values and sets of them, and the four states a container is drawn in.
#pragma once

#include <cstdint>

enum TcxContainerBorderStyle : std::uint8_t { cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11 };

// A style value's index, 0..31; descendant styles add theirs after these.
using TcxContainerStyleValue = int;
enum : TcxContainerStyleValue {
    svBorderColor,
    svBorderStyle,
    svColor,
    svEdges,
    svFont,
    svHotTrack,
    svShadow,
    svTextColor,
    svTextStyle,
    svTransparentBorder,
};
// A set of style values: bit n is value n.
using TcxContainerStyleValues = std::uint32_t;

constexpr TcxContainerStyleValues cxStyleValueBit(TcxContainerStyleValue value)
{
    return TcxContainerStyleValues{1} << value;
}

// The values only the normal style holds; the state styles pass them on.
constexpr TcxContainerStyleValues cxBaseStyleValues = cxStyleValueBit(svEdges) | cxStyleValueBit(svFont) |
                                                      cxStyleValueBit(svHotTrack) | cxStyleValueBit(svShadow) |
                                                      cxStyleValueBit(svTransparentBorder);

// The index of a style in a style set.
enum TcxContainerStyleState : std::uint8_t { cssNormal, cssFocused, cssDisabled, cssHot };
constexpr int cxContainerStyleStateCount = 4;
