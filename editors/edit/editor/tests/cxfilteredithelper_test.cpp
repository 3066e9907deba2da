// Filter edit helpers: the registry keyed by the parent of the class given
// and freed once empty, the filter properties a helper makes, the operator
// sets by value type, and the values a value type accepts.
#include "editors/edit/editor/cxfilteredithelper.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/tests/freedmemory.h"
#include "editors/edit/datastorage/cxvaluetypes.h"
#include "editors/edit/editor/cxedit.h"

namespace {

// Properties class records: two families and one class outside both.
const TcxClass kTextFamily{"TTextFamilyProperties", nullptr, nullptr};
const TcxClass kTextProperties{"TTextProperties", &kTextFamily, nullptr};
const TcxClass kMemoProperties{"TMemoProperties", &kTextFamily, nullptr};
const TcxClass kSpinFamily{"TSpinFamilyProperties", nullptr, nullptr};
const TcxClass kSpinProperties{"TSpinProperties", &kSpinFamily, nullptr};
const TcxClass kOther{"TOtherProperties", nullptr, nullptr};

class TTextHelper : public TcxCustomFilterEditHelper {
public:
    static const TcxClass Class;
    static const TTextHelper Instance;
    constexpr TTextHelper() : TcxCustomFilterEditHelper(Class) {}
};
const TcxClass TTextHelper::Class{"TTextHelper", &TcxCustomFilterEditHelper::Class, nullptr};
const TTextHelper TTextHelper::Instance;

// Drops the source's provider.
class TNoProviderHelper : public TcxCustomFilterEditHelper {
public:
    static const TcxClass Class;
    static const TNoProviderHelper Instance;
    constexpr TNoProviderHelper() : TcxCustomFilterEditHelper(Class) {}
    bool KeepsProvider(const TcxCustomEditProperties&) const override { return false; }
};
const TcxClass TNoProviderHelper::Class{"TNoProviderHelper", &TcxCustomFilterEditHelper::Class, nullptr};
const TNoProviderHelper TNoProviderHelper::Instance;

// A filter data kind that keeps the buttons.
class TButtonsHelper : public TcxCustomFilterEditHelper {
public:
    static const TcxClass Class;
    static const TButtonsHelper Instance;
    constexpr TButtonsHelper() : TcxCustomFilterEditHelper(Class) {}
    int FilterDataKind() const override { return 1; }
};
const TcxClass TButtonsHelper::Class{"TButtonsHelper", &TcxCustomFilterEditHelper::Class, nullptr};
const TButtonsHelper TButtonsHelper::Instance;

class TReadOnlyProvider : public TcxCustomEditDefaultValuesProvider {
public:
    TReadOnlyProvider() : TcxCustomEditDefaultValuesProvider(nullptr) {}
    bool DefaultReadOnly() const override { return true; }
};

TEST(FilterEditsController, KeysByTheParentAndIsFreedOnceEmpty)
{
    TFreedMemoryTrap trap;
    TcxFilterEditsController* first = &FilterEditsControllerInstance();
    ASSERT_EQ(first->Count(), 0) << "no editor kind registers a helper in this program";
    first->Register(&kTextProperties, &TTextHelper::Instance);
    first->Register(&kSpinProperties, &TcxCustomFilterEditHelper::Instance);
    const struct {
        const TcxClass* propertiesClass;
        TcxCustomFilterEditHelperClass helper;
    } lookups[] = {
        {&kTextProperties, &TTextHelper::Instance},
        {&kMemoProperties, &TTextHelper::Instance},
        {&kTextFamily, &TTextHelper::Instance},
        {&kSpinProperties, &TcxCustomFilterEditHelper::Instance},
        {&kOther, nullptr},
    };
    for (const auto& l : lookups)
        EXPECT_EQ(first->FindHelper(l.propertiesClass), l.helper) << l.propertiesClass->Name;

    first->Unregister(&kTextProperties, &TTextHelper::Instance);
    EXPECT_EQ(&FilterEditsControllerInstance(), first) << "one registration left";
    EXPECT_EQ(first->FindHelper(&kTextProperties), nullptr);
    EXPECT_EQ(first->FindHelper(&kSpinProperties), &TcxCustomFilterEditHelper::Instance);

    first->Unregister(&kSpinProperties, &TcxCustomFilterEditHelper::Instance);
    TcxFilterEditsController& next = FilterEditsControllerInstance();
    EXPECT_NE(&next, first) << "the empty registry was freed";
    EXPECT_EQ(next.Count(), 0);
    EXPECT_EQ(next.FindHelper(&kSpinProperties), nullptr);
}

TEST(FilterEditHelper, FilterPropertiesAreWritableQuietUnhandledAndValidateOnEnter)
{
    Application.Initialize();
    const struct {
        const char* name;
        TcxCustomFilterEditHelperClass helper;
        int buttons;
        bool provider;
    } cases[] = {
        {"base", &TcxCustomFilterEditHelper::Instance, 0, true},
        {"no provider", &TNoProviderHelper::Instance, 0, false},
        {"keeps buttons", &TButtonsHelper::Instance, 2, true},
    };
    for (const auto& c : cases) {
        auto owned = std::make_unique<TcxCustomEdit>();
        TcxCustomEdit& edit = *owned;
        TReadOnlyProvider provider;
        TcxCustomEditProperties source(nullptr);
        source.Buttons().Add();
        source.Buttons().Add();
        source.SetBeepOnError(true);
        source.SetReadOnly(true);
        source.SetDefaultValuesProvider(&provider);
        source.Alignment().SetHorz(TAlignment::taRightJustify);
        source.Alignment().SetVert(taBottomJustify);
        source.OnButtonClick = [](TComponent&, int) {};
        source.OnChange = [](TComponent&) {};
        source.OnEditValueChanged = [](TComponent&) {};
        source.OnValidate = [](TComponent&, Variant&, std::string&, bool&) {};

        c.helper->InitFilterEdit(edit, source);
        const TcxCustomEditProperties& p = edit.GetEffectiveProperties();
        EXPECT_EQ(p.Buttons().Count(), c.buttons) << c.name;
        EXPECT_FALSE(p.BeepOnError()) << c.name;
        EXPECT_TRUE(p.AssignedValues().ReadOnly()) << c.name;
        EXPECT_FALSE(p.ReadOnly()) << c.name;
        EXPECT_TRUE(p.ValidateOnEnter()) << c.name;
        EXPECT_EQ(p.DefaultValuesProvider() == &provider, c.provider) << c.name;
        EXPECT_EQ(p.Alignment().Horz(), TAlignment::taLeftJustify) << c.name;
        EXPECT_EQ(p.Alignment().Vert(), taTopJustify) << c.name;
        EXPECT_FALSE(p.OnButtonClick || p.OnChange || p.OnEditValueChanged || p.OnValidate) << c.name;
        // The source keeps its own.
        EXPECT_TRUE(source.OnChange && source.BeepOnError() && source.ReadOnly()) << c.name;
        EXPECT_EQ(source.Buttons().Count(), 2) << c.name;
        source.SetDefaultValuesProvider(nullptr);
        edit.EditProperties().SetDefaultValuesProvider(nullptr);
    }
}

// The operator numbers in a set; 0 and 41 to 63 included, so that a stray bit shows.
std::vector<int> Numbers(TcxFilterOperators operators)
{
    std::vector<int> numbers;
    for (int n = 0; n < 64; ++n)
        if (operators & (TcxFilterOperators{1} << n))
            numbers.push_back(n);
    return numbers;
}

TEST(FilterEditHelper, OperatorsBySetSizeAndValueType)
{
    const TcxCustomEditProperties properties(nullptr);
    const std::vector<int> basic{1, 2, 3, 4, 5, 6, 9, 10}, basicText{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<int> extended{1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14};
    const std::vector<int> extendedText{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    const struct {
        const char* name;
        TcxValueTypeClass valueType;
        bool extended;
        const std::vector<int>& numbers;
    } cases[] = {
        {"no type", nullptr, false, basic},
        {"no type, extended", nullptr, true, extended},
        {"String", &TcxStringValueType::Instance, false, basicText},
        {"WideString, extended", &TcxWideStringValueType::Instance, true, extendedText},
        {"Integer", &TcxIntegerValueType::Instance, false, basic},
        {"Variant, extended", &TcxVariantValueType::Instance, true, extended},
    };
    for (const auto& c : cases) {
        TcxFilterOperators operators = ~TcxFilterOperators{0};
        TcxCustomFilterEditHelper::Instance.FilterOperatorsFor(properties, c.valueType, operators, c.extended);
        EXPECT_EQ(Numbers(operators), c.numbers) << c.name;
    }
}

TEST(FilterEditHelper, AcceptsWhatTheValueTypeConvertsAndLeavesTheValue)
{
    const struct {
        const char* name;
        TcxValueTypeClass valueType;
        Variant value;
        bool accepted;
    } cases[] = {
        {"digits as Integer", &TcxIntegerValueType::Instance, Variant("12"), true},
        {"letters as Integer", &TcxIntegerValueType::Instance, Variant("abc"), false},
        {"fraction as Float", &TcxFloatValueType::Instance, Variant("1.5"), true},
        {"number as String", &TcxStringValueType::Instance, Variant(3), true},
    };
    for (const auto& c : cases) {
        const Variant before = c.value;
        EXPECT_EQ(TcxCustomFilterEditHelper::Instance.AcceptsValue(c.valueType, c.value), c.accepted) << c.name;
        EXPECT_EQ(c.value.VarType(), before.VarType()) << c.name;
    }
}

} // namespace
