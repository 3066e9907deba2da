// The edit base's units run around every host test, as the program runs them.
#include <memory>

#include <gtest/gtest.h>

#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"

namespace {

class TEditEnvironment : public ::testing::Environment {
public:
    void SetUp() override { units_ = std::make_unique<TUnitsStarted>(cxEditUnits()); }
    void TearDown() override { units_.reset(); }

private:
    std::unique_ptr<TUnitsStarted> units_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new TEditEnvironment);

} // namespace
