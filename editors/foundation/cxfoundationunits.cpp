#include "editors/foundation/cxfoundationunits.h"

#include "editors/foundation/cxcontrolsunit.h"
#include "editors/foundation/cxdwmapi.h"
#include "editors/foundation/cxeditpaintutils.h"
#include "editors/foundation/cxgraphics.h"
#include "editors/foundation/cxlookandfeelplatform.h"
#include "editors/foundation/cxpainterresources.h"
#include "editors/foundation/cxresourcetext.h"
#include "editors/foundation/dxoffice11.h"
#include "editors/foundation/dxthememanager.h"
#include "editors/foundation/dxuxtheme.h"

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
