#include "editors/controls/cxcontrolsunits.h"

#ifdef _WIN32
#include "editors/controls/text/cxfiltertextedithelper.h"

namespace {

// cxTextEdit registers its properties, their filter helper and TcxTextEdit
// for form text.
constexpr TUnit kUnits[] = {
    {"cxTextEdit", cxTextEditInitialize, cxTextEditFinalize},
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
