// Tab handed to the container's key handler moves the focus through the
// form, from its inner control or from the container itself; Ctrl+Tab,
// Alt+Tab and a container that leaves Tab to its editor do not.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/customedit.h"
#include "classlib/tests/keyboard.h"
#include "classlib/tests/testform.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/container/tests/containerscene.h"

namespace {

// The key handler within reach, as the inner editor has it.
class TKeyContainer : public TcxContainer {
public:
    using TcxContainer::TcxContainer;
    using TcxContainer::KeyDown;
    bool MovesFocusOnTab() const override { return movesFocus; }
    bool movesFocus = true;
};

// A form with the container C (inner EDIT I unless without), then EDITs E and T.
struct TabScene {
    explicit TabScene(bool withInner)
    {
        container->SetName("C");
        container->SetParent(form.get());
        container->SetBounds(10, 10, 100, 24);
        if (withInner) {
            TEdit& inner = form->Adopt(std::make_unique<TEdit>());
            inner.SetName("I");
            inner.SetParent(container);
            container->SetInnerControl(&inner);
        }
        int top = 50;
        for (const char* name : {"E", "T"}) {
            TEdit& edit = form->Adopt(std::make_unique<TEdit>());
            edit.SetName(name);
            edit.SetParent(form.get());
            edit.SetBounds(10, top += 40, 100, 24);
        }
        container->SetFocus();
        Application.ProcessMessages();
    }

    std::unique_ptr<TForm> form = ShowTestForm(300, 200);
    TKeyContainer* container = &form->Adopt(std::make_unique<TKeyContainer>());
};

} // namespace

TEST(ContainerKeys, TabFromTheInnerControlMovesThroughTheForm)
{
    Application.Initialize();
    const struct {
        WORD key;
        TShiftState shift;
        bool movesFocus;
        const char* focused;
        WORD keyAfter;
    } cases[] = {
        {VK_TAB, 0, true, "E", 0},
        {VK_TAB, ssShift, true, "T", 0},
        {VK_TAB, ssCtrl, true, "I", VK_TAB},
        {VK_TAB, ssAlt, true, "I", VK_TAB},
        {VK_TAB, ssShift | ssCtrl, true, "I", VK_TAB},
        {VK_TAB, 0, false, "I", VK_TAB},
        {VK_RETURN, 0, true, "I", VK_RETURN},
    };
    for (const auto& c : cases) {
        TabScene s(true);
        s.container->movesFocus = c.movesFocus;
        ASSERT_EQ(FocusedName(), "I");
        WORD key = c.key;
        s.container->KeyDown(key, c.shift);
        Application.ProcessMessages();
        EXPECT_EQ(FocusedName(), c.focused) << c.key << " " << c.shift << " " << c.movesFocus;
        EXPECT_EQ(key, c.keyAfter) << c.key << " " << c.shift << " " << c.movesFocus;
    }
}

// A container without an inner control that asks for Tab gets it as a key
// and moves on itself.
TEST(ContainerKeys, ATabKeyPressedOnTheContainerItselfMovesOn)
{
    Application.Initialize();
    const struct {
        TShiftState shift;
        const char* focused;
    } cases[] = {{0, "E"}, {ssShift, "T"}, {ssCtrl, "C"}};
    for (const auto& c : cases) {
        TabScene s(false);
        s.container->SetWantedKeys(kcTab);
        ASSERT_EQ(FocusedName(), "C");
        PressKey(VK_TAB, c.shift);
        EXPECT_EQ(FocusedName(), c.focused) << c.shift;
    }
}
