// What the view data lays out for one visible editor button: where it is,
// what it shows and in which state, and how an older copy of it tells what
// must be repainted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "classlib/colors.h"
#include "classlib/control.h"
#include "classlib/persistent.h"
#include "editors/edit/buttons/cxeditbuttons.h"
#include "editors/edit/styles/cxeditstyletypes.h"
#include "editors/foundation/graphics/cxregion.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"

class TWinControl;

// A button's state as drawn.
enum TcxEditButtonState : std::uint8_t { ebsDisabled, ebsNormal, ebsPressed, ebsHot };

// The values that decide whether a button is drawn anew.
struct TcxEditButtonViewInfoData {
    TcxEditButtonState State = ebsNormal;
    bool Transparent = false;
    int NativePart = 0;  // the theme part; 0: drawn without the theme
    int NativeState = 0; // the theme state of that part

    bool operator==(const TcxEditButtonViewInfoData&) const = default;
};

class TcxEditButtonViewInfo : public TPersistent {
public:
    // The bounds and the data from another button view information;
    // other sources as the class library's Assign.
    void Assign(const TPersistent& source) override;
    // Empty when the data of both are equal, else this button's bounds.
    TcxRegion UpdateRegionFor(const TcxEditButtonViewInfo& other) const;
    // When the data differ, invalidates the bounds moved by offset on the
    // control's window (when it has one), erasing when the theme part is
    // partly transparent.
    // True when it did.
    bool InvalidateIfChanged(TWinControl& control, const TcxEditButtonViewInfo& other, POINT offset) const;

    TRect Bounds{};
    // The part drawn: the bounds cut to the rectangle inside the border.
    TRect VisibleBounds{};
    TcxEditButtonViewInfoData Data;

    TcxEditButtonKind Kind = bkDown;
    // bkText only.
    std::string Caption, VisibleCaption;
    TColor TextColor = clBtnText;
    TAlignment ContentAlignment = TAlignment::taCenter;
    bool Default = false;
    // The button's own glyph, not owned; none when it has none.
    TBitmap* Glyph = nullptr;
    TcxEditButtonStyle Style = btsDefault;
    // Drawn by the theme, by a skin painter.
    bool NativeStyle = false;
    TcxCustomLookAndFeelPainterClass SkinPainter = nullptr;
    // The theme class of NativePart (a dxThemeManager class index).
    int ThemeClass = 0;
    // The theme part leaves the parent's background showing through.
    bool BackgroundPartiallyTransparent = false;
    bool Gradient = false;
    bool Inplace = false;
    bool LeftAlignment = false;
    bool Stretchable = true;
    // What a transparent button is filled with: the editor's background.
    TColor TransparentColor = clWindow;
    int Width = 0;
    // The button's index in the properties' collection.
    int Index = -1;
    // The only button, and a drop-down one: drawn as a combo box's.
    bool OnlyDropDownButton = false;
};
