// The properties registry: one list, sorted by the name before "|", kept
// out of the class library's registry, made anew after it was freed.
#include "editors/edit/repository/cxeditpropertiesregistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/classregistry.h"
#include "classlib/component.h"

namespace {

std::unique_ptr<TComponent> MakeComponent()
{
    return std::make_unique<TComponent>();
}

const TcxClass kText{"TRegistryTestTextProperties", nullptr, MakeComponent};
const TcxClass kMask{"TRegistryTestMaskProperties", &kText, MakeComponent};
const TcxClass kSpin{"TRegistryTestSpinProperties", &kMask, MakeComponent};
const TcxClass kTime{"TRegistryTestTimeProperties", &kMask, MakeComponent};

std::vector<std::string> Names(const TcxRegisteredClasses& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.Descriptions(i));
    return names;
}

} // namespace

TEST(EditPropertiesRegistry, ListsClassesSortedByNameWhateverTheOrderOfRegistration)
{
    struct Entry {
        const TcxClass* cls;
        const char* text;
    } entries[] = {
        {&kTime, "TimeEdit|Represents an editor displaying time values"},
        {&kText, "TextEdit|Represents a single line text editor"},
        {&kSpin, "SpinEdit|Represents a spin editor"},
        {&kMask, "MaskEdit|Represents a generic masked edit control."},
    };
    cxFreeEditPropertiesRegistry();
    TcxRegisteredClasses& registry = EditPropertiesRegistry();
    EXPECT_EQ(&registry, &EditPropertiesRegistry()) << "one list";
    EXPECT_TRUE(registry.Sorted());
    for (const Entry& e : entries)
        registry.Register(e.cls, e.text);
    registry.Register(&kText, "AAA|registered twice");
    EXPECT_EQ(Names(registry), (std::vector<std::string>{"MaskEdit", "SpinEdit", "TextEdit", "TimeEdit"}));
    EXPECT_EQ(registry.Items(0), &kMask);
    EXPECT_EQ(registry.Items(3), &kTime);
    EXPECT_THROW(CreateComponent(kText.Name), EComponentError) << "not creatable from form text";

    cxFreeEditPropertiesRegistry();
    EXPECT_EQ(EditPropertiesRegistry().Count(), 0) << "a new list after the shut-down";
    EXPECT_TRUE(EditPropertiesRegistry().Sorted());
}
