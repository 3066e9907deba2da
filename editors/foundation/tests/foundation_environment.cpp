#include "editors/foundation/tests/foundation_environment.h"

#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/units.h"
#include "editors/foundation/core/cxfoundationunits.h"

namespace {

class TFoundationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!Application.Initialized())
            Application.Initialize();
        units_ = std::make_unique<TUnitsStarted>(cxFoundationUnits());
    }
    void TearDown() override { units_.reset(); }

private:
    std::unique_ptr<TUnitsStarted> units_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new TFoundationEnvironment);

} // namespace

bool ExpectThemeLibrary()
{
    return std::getenv("VOSTREL_EXPECT_NO_UXTHEME") == nullptr;
}
