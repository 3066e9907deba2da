#include "classlib/units.h"

TUnitsStarted::TUnitsStarted(std::span<const TUnit> units) : units_(units)
{
    try {
        for (const TUnit& unit : units_) {
            if (unit.Initialize)
                unit.Initialize();
            ++started_;
        }
    } catch (...) {
        FinalizeStarted();
        throw;
    }
}

TUnitsStarted::~TUnitsStarted()
{
    FinalizeStarted();
}

void TUnitsStarted::FinalizeStarted() noexcept
{
    while (started_ > 0) {
        const TUnit& unit = units_[--started_];
        // A failing shut-down must not keep the units before it running.
        try {
            if (unit.Finalize)
                unit.Finalize();
        } catch (...) {
        }
    }
}
