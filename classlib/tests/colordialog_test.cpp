// The real colour dialog, answered from a watcher thread.
#include "classlib/colordialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "classlib/application.h"
#include "classlib/classregistry.h"
#include "classlib/dialogs.h"
#include "classlib/form.h"
#include "classlib/tests/dialogwatcher.h"

TEST(ColorDialog, ConfirmGivesThePresetAsPlainColourCancelKeepsIt)
{
    Application.Initialize();
    struct Case {
        TColor preset;
        int button;
        bool confirmed;
        TColor after;
    } cases[] = {
        {clRed, IDOK, true, clRed},
        {0x00FF8000, IDOK, true, 0x00FF8000},
        // A system colour comes back as the plain colour it stands for.
        {clBtnFace, IDOK, true, static_cast<TColor>(GetSysColor(COLOR_BTNFACE))},
        {clBtnFace, IDCANCEL, false, clBtnFace},
    };
    for (const auto& c : cases) {
        TColorDialog dialog;
        dialog.Color = c.preset;
        DialogWatcher watcher([&](HWND d) { DialogWatcher::Press(d, c.button); });
        EXPECT_EQ(dialog.Execute(), c.confirmed) << c.preset;
        EXPECT_EQ(dialog.Color, c.after) << c.preset;
        EXPECT_EQ(watcher.Count(), 1);
    }
}

TEST(ColorDialog, NewComponentsAreKnownByName)
{
    Application.Initialize();
    for (const char* name : {"TColorDialog", "TPopupMenu", "TMenuItem"})
        EXPECT_NE(CreateComponent(name), nullptr) << name;
    auto dialog = CreateComponent("TColorDialog");
    ASSERT_TRUE(dialog->SetProperty("Color", "clTeal"));
    EXPECT_EQ(static_cast<TColorDialog&>(*dialog).Color, clTeal);
}

// A dialog that a form owns belongs to the form's window, which the dialog
// finds without knowing forms.
TEST(ColorDialog, DialogsOfAFormBelongToItsWindow)
{
    Application.Initialize();
    TForm form;
    form.Show();
    auto& colour = form.Adopt(std::make_unique<TColorDialog>());
    auto& open = form.Adopt(std::make_unique<TOpenDialog>());
    auto ownerOf = [](const std::function<bool()>& execute) {
        std::atomic<HWND> owner = nullptr;
        DialogWatcher watcher([&](HWND d) {
            owner = GetWindow(d, GW_OWNER);
            DialogWatcher::Press(d, IDCANCEL);
        });
        execute();
        return owner.load();
    };
    EXPECT_EQ(ownerOf([&] { return colour.Execute(); }), form.Handle());
    EXPECT_EQ(ownerOf([&] { return open.Execute(); }), form.Handle());
}
