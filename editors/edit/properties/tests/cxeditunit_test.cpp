// The cxEdit unit started and ended on its own, after the class library and
// the foundation (started around every test) as programs start them: its
// cursor, default controller, properties list and registry, twice in a row,
// and nested starts that only count.
#include "editors/edit/core/cxeditunit.h"

#include <gtest/gtest.h>

#include <memory>

#include "classlib/screen.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/units.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/edit/properties/cxeditproperties.h"
#include "editors/edit/properties/cxeditpropertieslist.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"
#include "editors/edit/styles/cxdefaultstylecontroller.h"
#include "editors/edit/styles/cxeditstylecontroller.h"

TEST(EditUnit, StartsAndEndsTwiceInARow)
{
    const HCURSOR arrow = Screen.Cursors(crArrow);
    const HCURSOR wheel = LoadCursorA(GetModuleHandleA(nullptr), "CXEDIT_MOUSEWHEEL");
    ASSERT_NE(wheel, nullptr);
    ASSERT_NE(wheel, arrow);
    TcxStyleController* before = nullptr;
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(GetDefaultEditStyleController(), nullptr) << round;
        ASSERT_EQ(cxEditPropertiesList(), nullptr) << round;
        {
            TUnitsStarted units(cxEditUnits());
            EXPECT_EQ(Screen.Cursors(crcxEditMouseWheel), wheel) << round;
            auto* controller = dynamic_cast<TcxEditStyleController*>(GetDefaultEditStyleController());
            ASSERT_NE(controller, nullptr) << round;
            EXPECT_NE(controller, before);
            before = controller;
            ASSERT_NE(cxEditPropertiesList(), nullptr) << round;
            TcxCustomEditProperties properties(nullptr);
            EXPECT_TRUE(cxEditPropertiesList()->Contains(&properties));
            static const TcxClass registered{"TRegisteredProperties", nullptr, nullptr};
            EditPropertiesRegistry().Register(&registered, "Registered|for one run");
        }
        EXPECT_EQ(EditPropertiesRegistry().Count(), 0) << round;
        EXPECT_EQ(GetDefaultEditStyleController(), nullptr) << round;
        EXPECT_EQ(cxEditPropertiesList(), nullptr) << round;
    }
}

TEST(EditUnit, NestedStartsEndWithTheLast)
{
    cxEditInitialize();
    TcxStyleController* controller = GetDefaultEditStyleController();
    cxEditInitialize();
    EXPECT_EQ(GetDefaultEditStyleController(), controller);
    cxEditFinalize();
    EXPECT_EQ(GetDefaultEditStyleController(), controller);
    EXPECT_NE(cxEditPropertiesList(), nullptr);
    cxEditFinalize();
    EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
    EXPECT_EQ(cxEditPropertiesList(), nullptr);
    // One end too many does nothing.
    cxEditFinalize();
    EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
}

TEST(EditUnit, PropertiesOutlivingTheUnitLeaveQuietly)
{
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    auto properties = std::make_unique<TcxCustomEditProperties>(nullptr);
    {
        TUnitsStarted units(cxEditUnits());
        properties = std::make_unique<TcxCustomEditProperties>(nullptr);
    }
    // The list went with the unit: leaving it must not touch it.
    properties.reset();
    EXPECT_EQ(cxEditPropertiesList(), nullptr);
}
