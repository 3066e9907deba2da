#include "editors/foundation/core/cxfoundationunits.h"

#include "editors/foundation/controls/cxcontrolsunit.h"
#include "editors/foundation/system/cxdwmapi.h"
#include "editors/foundation/graphics/cxeditpaintutils.h"
#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/lookandfeel/cxlookandfeelplatform.h"
#include "editors/foundation/painters/cxpainterresources.h"
#include "editors/foundation/core/cxresourcetext.h"
#include "editors/foundation/theme/dxoffice11.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

// Registry and geometry: nothing to start; shut-down drops any text override.
constexpr TUnit kUnits[] = {
    {"cxClasses", nullptr, cxClearResourceTextOverride},
    {"dxUxTheme", dxUxTheme::Bind, dxUxTheme::Unbind},
    {"dxThemeManager", dxThemeManagerInitialize, dxThemeManagerFinalize},
    {"dxOffice11", dxOffice11Initialize, dxOffice11Finalize},
    {"cxGraphics", cxGraphicsInitialize, cxGraphicsFinalize},
    {"cxEditPaintUtils", cxEditPaintUtilsInitialize, cxEditPaintUtilsFinalize},
    {"cxLookAndFeelPainters", cxLookAndFeelPaintersInitialize, cxLookAndFeelPaintersFinalize},
    {"cxLookAndFeels", cxLookAndFeelsStart, cxLookAndFeelsStop},
    {"cxDWMApi", cxDwmApi::Bind, cxDwmApi::Unbind},
    {"cxControls", cxControlsInitialize, cxControlsFinalize},
};

} // namespace

std::span<const TUnit> cxFoundationUnits()
{
    return kUnits;
}
