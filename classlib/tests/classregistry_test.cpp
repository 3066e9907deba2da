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
