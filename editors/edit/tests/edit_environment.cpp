// The class library, the foundation's units and the edit base's units run
// around every test of the program, in the order vostrel starts them.
#include <memory>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"

namespace {

class TEditEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!Application.Initialized())
            Application.Initialize();
        foundation_ = std::make_unique<TUnitsStarted>(cxFoundationUnits());
        edit_ = std::make_unique<TUnitsStarted>(cxEditUnits());
    }
    void TearDown() override
    {
        edit_.reset();
        foundation_.reset();
    }

private:
    std::unique_ptr<TUnitsStarted> foundation_;
    std::unique_ptr<TUnitsStarted> edit_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new TEditEnvironment);

} // namespace
