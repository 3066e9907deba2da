// The spin editor on a shown form: steps by keys and the wheel within its
// bounds, the characters it takes, texts it cannot read, form text and its
// unit's registrations.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "classlib/classregistry.h"
#include "classlib/exceptions.h"
#include "classlib/tests/realinput.h"
#include "classlib/units.h"
#include "editors/controls/cxcontrolsunits.h"
#include "editors/controls/spin/cxfilterspinedithelper.h"
#include "editors/controls/spin/tests/spinscene.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

namespace {

using TSetup = std::function<void(TcxSpinEditProperties&)>;

TSetup Range(double low, double high, bool circular = false)
{
    return [=](TcxSpinEditProperties& p) {
        p.SetMinValue(low);
        p.SetMaxValue(high);
        p.SetCircular(circular);
    };
}

TEST(SpinEdit, KeysAndTheWheelStepWithinTheBounds)
{
    struct Row {
        const char* why;
        TSetup setup;
        double start;
        WORD key;  // 0: one notch of the wheel, forward
        WORD held; // VK_CONTROL or 0
        std::string shown;
    };
    const Row rows[] = {
        {"Up at the top stays there", Range(0, 10), 10, VK_UP, 0, "10"},
        {"circular Up at the top wraps to the bottom", Range(0, 10, true), 10, VK_UP, 0, "0"},
        {"circular Down at the bottom wraps to the top", Range(0, 10, true), 0, VK_DOWN, 0, "10"},
        {"Page Down by LargeIncrement stops at the bottom", Range(-5, 10), 3, VK_NEXT, 0, "-5"},
        {"Page Up by LargeIncrement", nullptr, 0.5, VK_PRIOR, 0, "10.5"},
        {"vtInt steps 1.5 as 2", [](TcxSpinEditProperties& p) { p.SetValueType(vtInt), p.SetIncrement(1.5); }, 0,
         VK_UP, 0, "2"},
        {"vtInt without bounds keeps to 32 bits", [](TcxSpinEditProperties& p) { p.SetValueType(vtInt); },
         2147483647, VK_UP, 0, "2147483647"},
        {"vtInt bounds past 64 bits saturate",
         [](TcxSpinEditProperties& p) { p.SetValueType(vtInt), p.SetMaxValue(1e30), p.SetLargeIncrement(1e30); }, 0,
         VK_PRIOR, 0, "9223372036854775807"},
        {"float Increment 0.5", [](TcxSpinEditProperties& p) { p.SetIncrement(0.5); }, 1, VK_DOWN, 0, "0.5"},
        {"UseCtrlIncrement: Up alone does not step", [](TcxSpinEditProperties& p) { p.SetUseCtrlIncrement(true); },
         3, VK_UP, 0, "3"},
        {"UseCtrlIncrement: Ctrl+Up steps", [](TcxSpinEditProperties& p) { p.SetUseCtrlIncrement(true); }, 3, VK_UP,
         VK_CONTROL, "4"},
        {"ZeroIncrement from form text", [](TcxSpinEditProperties& p) { p.SetProperty("ZeroIncrement", "true"); }, 5,
         VK_UP, 0, "5"},
        {"the wheel steps forward", Range(0, 10), 4, 0, 0, "5"},
        {"read-only does not step", [](TcxSpinEditProperties& p) { p.SetReadOnly(true); }, 4, VK_UP, 0, "4"},
    };
    SpinScene s;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        s.Renew();
        if (r.setup)
            r.setup(s.Properties());
        s.edit->SetValue(Variant(r.start));
        ASSERT_TRUE(s.Focus()) << DescribeInputTarget();
        if (r.key) {
            TapKeyInput(r.key, r.held);
            SettleInput();
        } else {
            s.Wheel(WHEEL_DELTA);
        }
        EXPECT_EQ(s.Shown(), r.shown);
        // Leaving validates: the edit value is what was shown.
        s.LeaveFocus();
        EXPECT_EQ(s.edit->SpinProperties().NumberToText(*s.Properties().SpinValueOf(s.edit->EditValue())), r.shown);
    }
}

TEST(SpinEdit, TypedCharactersAreThoseTheValueTypeReads)
{
    struct Row {
        const char* why;
        TSetup setup;
        std::string typed, shown;
    };
    const Row rows[] = {
        {"vtFloat takes digits, sign, separator and exponent", nullptr, "-1.5e2x", "-1.5e2"},
        {"a comma becomes the separator", nullptr, "2,5", "2.5"},
        {"vtInt drops the separator", [](TcxSpinEditProperties& p) { p.SetValueType(vtInt); }, "1.5", "15"},
        {"CanEdit False takes nothing", [](TcxSpinEditProperties& p) { p.SetCanEdit(false); }, "12\b", "0"},
        {"an OnGetValue handler takes any character",
         [](TcxSpinEditProperties& p) { p.OnGetValue = [](TComponent&, const std::string&, Variant&, std::string&) {}; },
         "ab", "ab"},
    };
    SpinScene s;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        s.Renew();
        if (r.setup)
            r.setup(s.Properties());
        s.edit->SetFocus();
        s.edit->SelectAll();
        for (char c : r.typed)
            s.Char(c);
        EXPECT_EQ(s.Shown(), r.shown);
    }
}

TEST(SpinEdit, TextsThatAreNoNumberAreRefusedOrFallBack)
{
    const auto answer = [](double number, const char* raise) {
        return [=](TcxSpinEditProperties& p) {
            p.OnGetValue = [=](TComponent&, const std::string&, Variant& value, std::string&) {
                if (raise)
                    throw Exception(raise);
                value = Variant(number);
            };
        };
    };
    const TSetup whole = [](TcxSpinEditProperties& p) { p.SetValueType(vtInt); };
    struct Row {
        std::string text;
        TSetup setup;
        // With ExceptionOnInvalidInput: the error reported, empty when taken.
        std::string error;
        // The edit value after validation without it (or when taken).
        std::string value;
    };
    const Row rows[] = {
        {"1e999", nullptr, "Invalid numeric value", "3"},
        {"nan", nullptr, "Invalid numeric value", "3"},
        {"inf", nullptr, "Invalid numeric value", "3"},
        {"0x10", nullptr, "Invalid numeric value", "3"},
        {"12345678901234567890", whole, "Invalid numeric value", "3"},
        {"seven", answer(7, nullptr), "", "7"},
        {"seven", answer(0, "no such word"), "no such word", "3"},
        {"20", Range(0, 10), "Value out of bounds", "10"},
        {"", nullptr, "", "0"},
    };
    SpinScene s;
    for (bool raising : {true, false}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(r.text + (raising ? " with the exception" : " without it"));
            s.Renew();
            if (r.setup)
                r.setup(s.Properties());
            s.Properties().SetExceptionOnInvalidInput(raising);
            s.edit->SetValue(Variant(3));
            s.edit->SetFocus();
            s.PasteText(r.text);
            std::string error;
            try {
                s.edit->ValidateNow();
            } catch (const Exception& e) {
                error = e.what();
            }
            EXPECT_EQ(error, raising ? r.error : "");
            if (!raising || r.error.empty()) {
                EXPECT_EQ(VarToStr(s.edit->EditValue()), r.value);
            }
        }
    }
}

TEST(SpinEdit, FormTextAndTheUnitsRegistrations)
{
    TUnitsStarted units(cxControlsUnits());
    std::unique_ptr<TComponent> made = CreateComponent("TcxSpinEdit");
    auto* edit = dynamic_cast<TcxSpinEdit*>(made.get());
    ASSERT_NE(edit, nullptr);
    TcxSpinEditProperties& p = edit->SpinEditProperties();
    EXPECT_FALSE(p.IsZeroIncrementStored());
    for (const auto& [name, value] : {std::pair{"Properties.ZeroIncrement", "true"},
                                      {"Properties.ZeroLargeIncrement", "true"},
                                      {"Properties.ValueType", "vtInt"},
                                      {"Properties.SpinButtons.Position", "sbpHorzLeftRight"},
                                      {"Properties.SpinButtons.ShowFastButtons", "true"},
                                      {"Properties.ImmediatePost", "true"},
                                      {"Properties.DisplayFormat", "0.00"},
                                      {"Value", "12"}})
        EXPECT_TRUE(edit->SetProperty(name, value)) << name;
    EXPECT_EQ(p.Increment(), 0);
    EXPECT_EQ(p.LargeIncrement(), 0);
    EXPECT_TRUE(p.IsZeroIncrementStored() && p.IsZeroLargeIncrementStored());
    EXPECT_FALSE(p.IsIncrementStored() || p.IsLargeIncrementStored());
    EXPECT_TRUE(p.IsValueTypeStored());
    EXPECT_EQ(p.Buttons().Count(), 4);
    EXPECT_EQ(VarToStr(edit->Value()), "12");
    EXPECT_TRUE(p.ImmediatePost());
    EXPECT_EQ(p.GetDisplayText(edit->EditValue(), true), "12.00") << "unfocused, by the display format";
    // Copies carry the spin settings.
    TcxSpinEditProperties copy(nullptr);
    copy.Assign(p);
    EXPECT_EQ(copy.ValueType(), vtInt);
    EXPECT_EQ(copy.SpinButtons().Position(), sbpHorzLeftRight);
    EXPECT_EQ(copy.Buttons().Count(), 4);
    copy.AssignedValues().ClearAssigned();
    EXPECT_EQ(copy.ValueType(), vtFloat);
    copy.SpinButtons().SetVisible(false);
    EXPECT_EQ(copy.Buttons().Count(), 0);

    TcxRegisteredClasses& registry = EditPropertiesRegistry();
    const int index = registry.IndexOfClass(&cxSpinEditPropertiesClass);
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.Descriptions(index), "SpinEdit");
    const TcxCustomFilterEditHelper* helper = FilterEditsControllerInstance().FindHelper(&cxSpinEditPropertiesClass);
    ASSERT_EQ(helper, &TcxFilterSpinEditHelper::Instance);
    for (bool extended : {false, true}) {
        TcxFilterOperators operators = 0;
        helper->FilterOperatorsFor(p, nullptr, operators, extended);
        EXPECT_EQ(operators, extended ? 1662u + 30720u : 1662u);
    }
    p.SetCanEdit(false);
    TcxSpinEditProperties filter(nullptr);
    helper->InitFilterProperties(filter, p, false);
    EXPECT_TRUE(filter.CanEdit());
}

} // namespace
