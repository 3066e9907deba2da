#include "editors/edit/container/cxcontainertheme.h"

#include "editors/foundation/system/cxdwmapi.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

// Theme classes by their place in the theme manager's table.
constexpr int kComboBoxThemeClass = 2;
constexpr int kListBoxThemeClass = 6;
// TMT_BORDERCOLOR and TMT_FILLCOLOR.
constexpr int kBorderColorProperty = 3801;
constexpr int kFillColorProperty = 3802;

std::optional<TColor> ThemeColor(int themeClass, int part, int state, int property)
{
    auto theme = reinterpret_cast<dxUxTheme::HTHEME>(OpenTheme(themeClass));
    COLORREF color = 0;
    if (!theme || FAILED(dxUxTheme::GetThemeColor(theme, part, state, property, &color)))
        return std::nullopt;
    return static_cast<TColor>(color);
}

} // namespace

TColor cxContainerThemedFrameColor()
{
    const std::optional<TColor> color = cxDesktopCompositionActive()
                                            ? ThemeColor(kListBoxThemeClass, 3, 1, kBorderColorProperty)
                                            : ThemeColor(kComboBoxThemeClass, 1, 1, kBorderColorProperty);
    return color.value_or(clBtnShadow);
}

std::optional<TColor> cxContainerThemeFillColor(int themeClass, int part, int state)
{
    return ThemeColor(themeClass, part, state, kFillColorProperty);
}

TRect cxContainerThemeContentRect(HDC dc, int themeClass, int part, int state, const TRect& bounds)
{
    auto theme = reinterpret_cast<dxUxTheme::HTHEME>(OpenTheme(themeClass));
    RECT content = bounds;
    if (!theme || FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, dc, part, state, &bounds, &content)))
        return bounds;
    return content;
}
