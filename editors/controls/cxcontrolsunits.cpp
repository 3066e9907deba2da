#include "editors/controls/cxcontrolsunits.h"

#ifdef _WIN32
#include "editors/controls/mask/cxfiltermaskedithelper.h"
#include "editors/controls/spin/cxfilterspinedithelper.h"
#include "editors/controls/text/cxfiltertextedithelper.h"
#include "editors/controls/time/cxfiltertimeedithelper.h"

namespace {

// Each editor unit registers its properties, their filter helper and its
// editor class for form text.
constexpr TUnit kUnits[] = {
    {"cxTextEdit", cxTextEditInitialize, cxTextEditFinalize},
    {"cxMaskEdit", cxMaskEditInitialize, cxMaskEditFinalize},
    {"cxSpinEdit", cxSpinEditInitialize, cxSpinEditFinalize},
    {"cxTimeEdit", cxTimeEditInitialize, cxTimeEditFinalize},
};

} // namespace

std::span<const TUnit> cxControlsUnits()
{
    return kUnits;
}
#else
std::span<const TUnit> cxControlsUnits()
{
    return {};
}
#endif
