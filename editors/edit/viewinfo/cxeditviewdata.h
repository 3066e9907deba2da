// The short-lived calculator of an editor's look: made by the properties
// for one style and one in-place flag, it fills a view information with the
// editor's rectangles, colours, border and buttons for given bounds, mouse
// point and buttons held. Without an editor linked it computes from the
// properties and the style alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/events.h"
#include "classlib/persistent.h"
#include "editors/edit/viewinfo/cxbuttonlayout.h"
#include "editors/edit/viewinfo/cxeditviewinfo.h"
#include "editors/foundation/graphics/cxcanvas.h"

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxEditButton;
class TcxCustomEditViewData;

// A view data class as a value: makes one of that class.
using TcxCustomEditViewDataClass = std::unique_ptr<TcxCustomEditViewData> (*)(TcxCustomEditProperties& properties,
                                                                                TcxCustomEditStyle* style,
                                                                                bool inplace);
// A view information class as a value.
using TcxCustomEditViewInfoClass = std::unique_ptr<TcxCustomEditViewInfo> (*)();

// The width of a button whose Width is 0; 0 leaves it to the button's kind.
using TcxEditDefaultButtonWidthEvent = std::function<int(TcxCustomEditViewData& sender, int index)>;

// What the editor tells of itself before a computation.
struct TcxEditViewState {
    bool Enabled = true;
    bool Focused = false;
    bool HorzScrollBar = false;
    bool VertScrollBar = false;
    bool InnerEdit = false;
    bool Designing = false;
};

// The content's margins, measured once by an editor and copied into every
// later view data of an in-place one.
struct TcxEditContentParams {
    TcxContainerInsets Margins{};
};

class TcxCustomEditViewData : public TPersistent {
public:
    TcxCustomEditViewData(TcxCustomEditProperties& properties, TcxCustomEditStyle* style, bool inplace);
    static std::unique_ptr<TcxCustomEditViewData> Create(TcxCustomEditProperties& properties,
                                                         TcxCustomEditStyle* style, bool inplace);

    TcxCustomEditProperties& EditProperties() const { return *properties_; }
    // The style computed for; a view data is always made with one.
    TcxCustomEditStyle& EditStyle() const { return *style_; }
    bool Inplace() const { return inplace_; }

    // The slots in their class's order.
    // The theme class and part of a button, with its state by button state.
    virtual void ResolveButtonThemePart(TcxEditButtonViewInfo& button);
    virtual void LoadProperties();
    // What the content needs beside the text: (0, 0) here.
    virtual TSize GetExtraContentSize() const;
    // bounds: the editor's; p: the mouse in the editor's coordinates;
    // pressedButton: the button held pressed (-1 for none).
    virtual void Compute(TcxCanvas& canvas, const TRect& bounds, POINT p, int pressedButton, TShiftState shift,
                         TcxCustomEditViewInfo& viewInfo);
    virtual void ComputeButtonsLayout(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo, int pressedButton,
                                      TShiftState shift, POINT p);
    // Places button index at an edge of space, which loses its width.
    virtual void SetButtonBounds(TcxCanvas& canvas, TcxCustomEditViewInfo& viewInfo, TRect& space, int index);
    virtual void FillButtonViewInfo(TcxCustomEditViewInfo& viewInfo, const TcxEditButton& button,
                                    TcxEditButtonViewInfo& info);
    virtual void StretchButtons(TcxCustomEditViewInfo& viewInfo, std::int64_t extraWidth);
    virtual TColor BorderColorOf() const;
    virtual TcxContainerInsets GetBorderExtent() const;
    virtual TcxContainerBorderStyle BorderStyleOf() const;
    virtual TcxButtonsExtent GetButtonsExtent(const TcxCustomEditViewInfo& viewInfo) const;
    virtual TRect ComputeClientBounds(const TRect& bounds, const TcxCustomEditViewInfo& viewInfo) const;
    virtual bool HasShadow() const;

    // The editor's size for auto size: laid out on the unbounded rectangle
    // at (-1, -1); the limits apply when not designing.
    virtual TSize GetEditSize(TcxCanvas& canvas, const TcxEditSizeLimits& limits);

    // The state bits of the computation (csfFocused, csfHot ...): 4
    // disabled, 1 designing, else 2 focused or 1, plus 8 when p lies in
    // bounds and no other window holds the mouse capture.
    std::uint8_t MouseStateOf(const TRect& bounds, POINT p) const;
    // Buttons shown at all, given the state bits.
    bool ShowsButtons(std::uint8_t state) const;
    // Stretched over the width: out of place with buttons style kind 1, in
    // place with any kind but 0 while the width is bounded.
    bool ButtonsStretched(const TRect& bounds) const;

    // Linked by an editor; none computes from properties and style alone.
    TcxCustomEdit* Edit = nullptr;
    HWND WindowHandle = nullptr;
    TcxEditViewState ViewState;
    TcxEditContentParams ContentParams;
    // No colour: clDefault.
    TColor TextColor = clDefault;
    TColor BackgroundColor = clDefault;
    // Filled by Compute.
    std::uint8_t ComputeState = 0;
    TcxEditOuterButtons OuterButtons;
    bool ButtonsStretchable = false;
    // Loaded from the properties.
    int ButtonsCount = 0;
    TcxEditDefaultButtonWidthEvent DefaultButtonWidthHandler;

protected:
    // The look and feel asks for the native look and the edit theme opens.
    bool IsNativeStyle() const;
    // Focused, or hot while the style tracks it: the border is lit.
    bool IsBorderActive() const;

private:
    TcxCustomEditProperties* properties_;
    TcxCustomEditStyle* style_;
    bool inplace_;
};
