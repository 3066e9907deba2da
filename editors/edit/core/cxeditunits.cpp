#include "editors/edit/core/cxeditunits.h"

#include "editors/edit/styles/cxdefaultstylecontroller.h"

namespace {

// The styles start with no default controller; the unit that makes it
// registers it, and none outlives the styles' shut-down.
constexpr TUnit kUnits[] = {
    {"cxContainer", nullptr, cxClearDefaultStyleController},
};

} // namespace

std::span<const TUnit> cxEditUnits()
{
    return kUnits;
}
