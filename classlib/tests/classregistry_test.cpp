// The registry's header before windows.h: Win32's RegisterClass macro must
// not rename the registry's functions.
#include "classlib/classregistry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/component.h"

namespace {
class TRegistered : public TComponent {};
} // namespace

TEST(ClassRegistry, WorksWhateverHeaderComesFirst)
{
    RegisterComponentClass<TRegistered>("TRegistered");
    auto made = CreateComponent("TRegistered");
    EXPECT_NE(dynamic_cast<TRegistered*>(made.get()), nullptr);
    EXPECT_THROW(CreateComponent("TUnregistered"), EComponentError);

    // Win32's own RegisterClass still means RegisterClassA here.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RegistryTestWindow";
    EXPECT_NE(RegisterClass(&wc), 0);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

namespace {
class TRegisteredTwice : public TComponent {};
class TRegisteredBase : public TComponent {};
class TUnregisteredChild : public TRegisteredBase {};
} // namespace

TEST(ClassRegistry, NamesAComponentByItsVeryClass)
{
    RegisterComponentClass<TRegisteredBase>("TBaseForForms");
    // A later registration of the class renames it, as it replaces the factory.
    RegisterComponentClass<TRegisteredTwice>("TFirstName");
    RegisterComponentClass<TRegisteredTwice>("TSecondName");
    const TRegisteredBase base;
    const TUnregisteredChild child;
    const TRegisteredTwice twice;
    const struct {
        const TComponent& component;
        const char* registered;
        const char* formName;
    } cases[] = {
        {base, "TBaseForForms", "TBaseForForms"},
        {twice, "TSecondName", "TSecondName"},
        // A derived class is not its base: an edit class list must not catch it.
        {child, "", "(anonymous namespace)::TUnregisteredChild"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegisteredClassName(typeid(c.component)), c.registered) << c.formName;
        EXPECT_EQ(ComponentClassName(c.component), c.formName);
    }
    EXPECT_NE(dynamic_cast<TRegisteredTwice*>(CreateComponent("TFirstName").get()), nullptr);
}
