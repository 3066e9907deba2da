#include "editors/controls/spin/cxspinbuttonlayout.h"

#include <algorithm>
#include <cstdint>

#include "editors/edit/viewinfo/cxbuttonlayout.h"

namespace {

// Forward over backward; the native delimiter belongs to neither.
void SplitColumn(const TRect& column, int delimiter, TRect& upper, TRect& lower)
{
    const std::int64_t height = std::max<std::int64_t>(std::int64_t{column.bottom} - column.top, 0);
    const std::int64_t gap = std::min<std::int64_t>(delimiter, height);
    const auto middle = static_cast<std::int32_t>(column.top + (height - gap) / 2);
    upper = TRect{column.left, column.top, column.right, middle};
    lower = TRect{column.left, static_cast<std::int32_t>(middle + gap), column.right,
                  static_cast<std::int32_t>(column.top + height)};
}

} // namespace

int cxSpinButtonCount(bool visible, bool showFastButtons)
{
    if (!visible)
        return 0;
    return showFastButtons ? 4 : 2;
}

TcxSpinButtonsLayout cxLayoutSpinButtons(const TcxSpinButtonsRequest& request)
{
    TcxSpinButtonsLayout layout;
    TRect space = request.Space;
    const auto none = [&](bool leftEdge) { return cxPlaceButton(space, 0, leftEdge); };
    auto& b = layout.Buttons;
    const int count = cxSpinButtonCount(request.Visible, request.ShowFastButtons);
    const bool fast = count == 4;
    const int w = request.ButtonWidth;
    b[sbkFastForward] = fast ? cxPlaceButton(space, w, false) : none(false);
    switch (count == 0 ? sbpHorzRight : request.Position) {
    case sbpVert:
        SplitColumn(cxPlaceButton(space, w, false), request.NativeStyle ? 1 : 0, b[sbkForward], b[sbkBackward]);
        b[sbkFastBackward] = fast ? cxPlaceButton(space, w, false) : none(false);
        break;
    case sbpHorzRight:
        b[sbkForward] = count ? cxPlaceButton(space, w, false) : none(false);
        b[sbkBackward] = count ? cxPlaceButton(space, w, false) : none(false);
        b[sbkFastBackward] = fast ? cxPlaceButton(space, w, false) : none(false);
        break;
    case sbpHorzLeftRight:
        b[sbkForward] = cxPlaceButton(space, w, false);
        b[sbkFastBackward] = fast ? cxPlaceButton(space, w, true) : none(true);
        b[sbkBackward] = cxPlaceButton(space, w, true);
        break;
    }
    layout.Content = space;
    return layout;
}

TcxArrowDirection cxSpinArrowDirection(TcxSpinEditButtonsPosition position, TcxSpinButtonKind kind)
{
    const bool forward = kind == sbkForward || kind == sbkFastForward;
    if (position == sbpVert)
        return forward ? adUp : adDown;
    return forward ? adRight : adLeft;
}

bool cxSpinArrowDoubled(TcxSpinButtonKind kind)
{
    return kind == sbkFastBackward || kind == sbkFastForward;
}
