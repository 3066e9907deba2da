// What an editor's view data computed: the container's rectangles and
// colours plus the editor's border, buttons and their states. It compares
// itself with an older copy to find what must be repainted, and paints the
// editor: background, border, shadow and buttons.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "classlib/liveness.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/viewinfo/cxeditbuttonviewinfo.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/graphics/cxregion.h"

class TcxCustomEdit;
class TFont;

class TcxCustomEditViewInfo;
// Custom drawing: each answers whether it drew.
using TcxEditDrawBackgroundEvent = std::function<bool(TcxCustomEditViewInfo& sender, TcxCanvas& canvas)>;
using TcxEditDrawButtonEvent = std::function<bool(TcxCustomEditViewInfo& sender, TcxCanvas& canvas, int index)>;
using TcxEditDrawButtonPartEvent =
    std::function<bool(TcxCustomEditViewInfo& sender, TcxCanvas& canvas, int index, const TRect& rect)>;

// What a button's border step leaves for its content.
struct TcxEditButtonFace {
    TRect ContentRect{};
    TColor FillColor = clBtnFace;
    TColor ContentColor = clBtnText;
};

// The outermost buttons: the ends of the left-aligned and of the
// right-aligned group, as indexes into ButtonsInfo; -1 when none.
struct TcxEditOuterButtons {
    int LeftFirst = -1, LeftLast = -1, RightFirst = -1, RightLast = -1;
};

// The rectangles keep the container's names: OuterBounds is the editor's
// bounds, InnerRect the rectangle inside its border, ContentRect its client
// rectangle.
class TcxCustomEditViewInfo : public TcxContainerViewInfo {
public:
    TcxCustomEditViewInfo() = default;
    TcxCustomEditViewInfo(const TcxCustomEditViewInfo&) = delete;
    TcxCustomEditViewInfo& operator=(const TcxCustomEditViewInfo&) = delete;

    // Colours, border, states, every button, pressed and hot index, then
    // the container part; from a plain container view information only
    // the container part.
    virtual void Assign(const TcxContainerViewInfo& source);
    // Every rectangle moved: the container's, the inner edit's, the
    // shadow's and each button's bounds and visible bounds.
    virtual void Translate(int dx, int dy);
    // What differs from old: with the same border colour (or no border),
    // border style, button count and native state each button's own
    // difference, else the whole bounds.
    virtual TcxRegion ChangedRegion(const TcxContainerViewInfo& old) const;
    // The first button whose bounds hold p; -1 over none.
    virtual int ButtonIndexAt(POINT p) const;
    // The class of the button view informations the view data makes.
    virtual std::unique_ptr<TcxEditButtonViewInfo> NewButtonViewInfo() const;

    int ButtonCount() const { return static_cast<int>(ButtonsInfo.size()); }
    // The editor painted for: painting stops after a draw handler that
    // freed it. None: painting always goes on.
    void SetPaintOwner(std::optional<TLiveness> owner) { paintOwner_ = std::move(owner); }
    TcxEditButtonViewInfo& Button(int index) const { return *ButtonsInfo.at(index); }
    // Buttons dropped or made so that there are count of them.
    void SetButtonCount(int count);

    // Painting.
    // Background, border, shadow and buttons.
    virtual void Paint(TcxCanvas& canvas);
    // The frame around InnerRect and the content fill (cxDrawEditBackground's own step).
    virtual void DrawEditBackground(TcxCanvas& canvas, bool drawShadow);
    // Every button, unless painting already runs or the editor paints them.
    virtual void PaintEditButtons(TcxCanvas& canvas);
    virtual void PaintButton(TcxCanvas& canvas, int index);
    // The button's border by its style, theme or skin; what it leaves inside.
    virtual TcxEditButtonFace PaintEditButtonFrame(TcxCanvas& canvas, int index);
    virtual void DrawButtonBackground(TcxCanvas& canvas, int index, const TcxEditButtonFace& face);
    virtual void DrawButtonContent(TcxCanvas& canvas, int index, const TcxEditButtonFace& face);
    // The border painters of the edit button styles.
    virtual TcxEditButtonFace DrawButtonBorder3D(TcxCanvas& canvas, int index);
    virtual TcxEditButtonFace DrawButtonBorderFlat(TcxCanvas& canvas, int index);
    virtual TcxEditButtonFace DrawButtonBorderSimple(TcxCanvas& canvas, int index);
    virtual TcxEditButtonFace DrawButtonBorderHotFlat(TcxCanvas& canvas, int index);
    virtual TcxEditButtonFace DrawButtonBorderUltraFlat(TcxCanvas& canvas, int index, bool office11);
    virtual TcxEditButtonFace DrawThemedButtonFrame(TcxCanvas& canvas, int index);

    TColor BorderColor = clBtnShadow;
    TcxContainerBorderStyle BorderStyle = cbsNone;
    int PressedButton = -1, HotButton = -1;
    TRect ShadowRect{}, InnerEditRect{};
    // The editor computed for, when there is one.
    TcxCustomEdit* Edit = nullptr;
    HWND WindowHandle = nullptr;
    bool Inplace = false;
    bool IsDesigning = false;
    // The editor draws its buttons itself.
    bool EditPaintsButtons = false;
    bool InnerEditVisible = false;
    bool PaintsThroughStorage = false;
    // The editor answers the inner-control interface.
    bool SupportsInnerControl = false;
    // The style's visible font (or its own in direct-access mode); not owned.
    const TFont* Font = nullptr;
    bool Transparent = false;
    TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
    TcxEditOuterButtons OuterButtons;
    std::vector<std::unique_ptr<TcxEditButtonViewInfo>> ButtonsInfo;

    TcxEditDrawBackgroundEvent BackgroundDrawHandler;
    TcxEditDrawButtonEvent ButtonDrawHandler;
    TcxEditDrawButtonPartEvent ButtonBackgroundDrawHandler;
    TcxEditDrawButtonPartEvent ButtonBorderDrawHandler;

protected:
    bool PaintAbandoned() const { return paintOwner_ && !*paintOwner_; }

    // Set while the buttons are painted.
    bool paintingButtons_ = false;

private:
    std::optional<TLiveness> paintOwner_;
};
