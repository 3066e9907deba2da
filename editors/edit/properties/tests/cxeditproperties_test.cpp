// Editor properties without an editor: defaults, gathered change
// notifications, assigned optional values and their form text, the
// read-only rules, default values providers and copying.
#include "editors/edit/properties/cxeditproperties.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "classlib/propertytable.h"
#include "classlib/tests/freedmemory.h"
#include "editors/edit/container/cxcontainer.h"
#include "editors/edit/properties/cxeditdefaultvaluesprovider.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/cxeditviewdata.h"

namespace {

// Counts the change notifications of the properties it owns.
struct TWatched {
    TWatched() { properties->OnPropertiesChanged = [this](TcxCustomEditProperties&) { ++changes; }; }
    std::unique_ptr<TcxCustomEditProperties> properties = std::make_unique<TcxCustomEditProperties>(nullptr);
    int changes = 0;
};

// Properties of an editor kind that publishes MaxValue, as the spin editor does.
class TPublishingProperties : public TcxCustomEditProperties {
public:
    using TcxCustomEditProperties::TcxCustomEditProperties;

protected:
    const TPropertyTable& Properties() const override
    {
        using P = TPublishingProperties;
        static const TPropertyTable table = TPropertyTable::Of<P>(TcxCustomEditProperties::Properties(), {
            {"MaxValue", [](P& p, const TPropertyValue& v) { p.SetMaxValue(v.Float()); }},
        });
        return table;
    }
};

// A provider whose answers a test sets.
class TProvider : public TcxCustomEditDefaultValuesProvider {
public:
    TProvider() : TcxCustomEditDefaultValuesProvider(nullptr) {}
    bool AllowsEditMode() const override { return editMode; }
    bool AllowsModify() const override { return modify; }
    bool DefaultReadOnly() const override { return readOnly; }
    double DefaultMaxValue() const override { return 42; }
    TAlignment DefaultAlignment() const override { return TAlignment::taRightJustify; }
    bool IsDisplayFormatDefined(bool editing) const override { return editing ? editFormat : displayFormat; }

    bool editMode = true, modify = true, readOnly = false, displayFormat = false, editFormat = false;
};

// Clears its provider only after counting the call.
class TCountingProperties : public TcxCustomEditProperties {
public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
    void ClearDefaultValuesProvider() override
    {
        ++clears;
        TcxCustomEditProperties::ClearDefaultValuesProvider();
    }
    int clears = 0;
};

} // namespace

TEST(EditProperties, NewPropertiesHoldTheDefaults)
{
    TcxCustomEditProperties p(nullptr);
    EXPECT_TRUE(p.AutoSelect());
    EXPECT_EQ(p.ButtonClickKey(), 16397);
    EXPECT_TRUE(p.InplaceMouseWheel());
    EXPECT_EQ(p.ClearKey(), 0);
    EXPECT_FALSE(p.ValidateOnEnter());
    EXPECT_TRUE(p.UseLeftAlignmentOnEditing());
    EXPECT_FALSE(p.IsUseLeftAlignmentOnEditingStored());
    EXPECT_EQ(p.ButtonsStyleKind(), 0);
    EXPECT_FALSE(p.ReadOnly());
    EXPECT_EQ(p.GetMaxValue(), 0);
    EXPECT_EQ(p.Alignment().Horz(), TAlignment::taLeftJustify);
    EXPECT_EQ(p.Alignment().Vert(), taTopJustify);
    EXPECT_FALSE(p.Alignment().IsHorzAssigned());
    EXPECT_EQ(p.DefaultErrorText(0), "Invalid input value. Use escape key to abandon changes");
    EXPECT_EQ(p.Buttons().Count(), 0);
    EXPECT_EQ(p.GetSupportedOperations(), 0u);
    p.Buttons().Add();
    EXPECT_EQ(p.GetSupportedOperations(), esoHasButtons);
}

TEST(EditProperties, ChangesInOneUpdateAreToldOnceOrNotAtAll)
{
    const std::function<void(TcxCustomEditProperties&)> tenSetters[] = {
        [](TcxCustomEditProperties& p) { p.SetAutoSelect(false); },
        [](TcxCustomEditProperties& p) { p.SetBeepOnError(true); },
        [](TcxCustomEditProperties& p) { p.SetClearKey(46); },
        [](TcxCustomEditProperties& p) { p.SetButtonClickKey(13); },
        [](TcxCustomEditProperties& p) { p.SetImmediatePost(true); },
        [](TcxCustomEditProperties& p) { p.SetTransparentBackground(true); },
        [](TcxCustomEditProperties& p) { p.SetValidateOnEnter(true); },
        [](TcxCustomEditProperties& p) { p.SetMaxValue(9); },
        [](TcxCustomEditProperties& p) { p.SetReadOnly(true); },
        [](TcxCustomEditProperties& p) { p.Alignment().SetHorz(TAlignment::taCenter); },
    };
    for (const bool notify : {true, false}) {
        TWatched w;
        w.properties->BeginUpdate();
        for (const auto& set : tenSetters)
            set(*w.properties);
        EXPECT_EQ(w.changes, 0);
        w.properties->EndUpdate(notify);
        EXPECT_EQ(w.changes, notify ? 1 : 0) << notify;
        EXPECT_EQ(w.properties->UpdateCount(), 0);
    }
    // Alone, each tells once, and setting the same value again tells nothing.
    for (const auto& set : tenSetters) {
        TWatched w;
        set(*w.properties);
        set(*w.properties);
        EXPECT_EQ(w.changes, 1);
    }
}

TEST(EditProperties, LockedChangesAreOnlyNoted)
{
    TWatched w;
    w.properties->SetChangedLocked(true);
    w.properties->SetBeepOnError(true);
    w.properties->SetChangedLocked(false);
    EXPECT_EQ(w.changes, 0);
    // Nested updates tell at the outermost end; an extra end is ignored.
    w.properties->BeginUpdate();
    w.properties->Updating([&] { w.properties->SetAutoSelect(false); });
    EXPECT_EQ(w.changes, 0);
    w.properties->EndUpdate();
    w.properties->EndUpdate();
    EXPECT_EQ(w.changes, 1);
}

TEST(EditProperties, AnAssignedZeroMaxValueIsStoredAsItsFlag)
{
    struct Case {
        bool set;
        double value;
        bool publishes;
        bool flagStored, valueStored;
    } cases[] = {
        {false, 0, true, false, false}, {true, 0, true, true, false},   {true, 5, true, false, true},
        {true, 0, false, false, false}, {true, -2, false, false, true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TcxCustomEditProperties> p = c.publishes ? std::make_unique<TPublishingProperties>(nullptr)
                                                                  : std::make_unique<TcxCustomEditProperties>(nullptr);
        if (c.set)
            p->SetMaxValue(c.value);
        EXPECT_EQ(p->AssignedValues().MaxValue(), c.set);
        EXPECT_EQ(p->GetMaxValue(), c.value);
        EXPECT_EQ(p->AssignedValues().IsMaxValueStored(), c.flagStored) << c.value << c.publishes;
        EXPECT_EQ(p->IsMaxValueStored(), c.valueStored) << c.value << c.publishes;
        EXPECT_FALSE(p->AssignedValues().IsMinValueStored());
    }
}

TEST(EditProperties, SettingAnOptionalValueAssignsItEvenWhenEqual)
{
    TWatched w;
    w.properties->SetMinValue(0);
    EXPECT_TRUE(w.properties->AssignedValues().MinValue());
    EXPECT_EQ(w.changes, 1);
    w.properties->SetMinValue(0);
    EXPECT_EQ(w.changes, 1);
    w.properties->AssignedValues().ClearAssigned();
    EXPECT_FALSE(w.properties->AssignedValues().MinValue());
    EXPECT_EQ(w.changes, 2);
    w.properties->SetReadOnly(false);
    EXPECT_TRUE(w.properties->AssignedValues().ReadOnly());
    EXPECT_EQ(w.changes, 3);
}

TEST(EditProperties, ReadOnlyFollowsTheAssignedValueThenTheProvider)
{
    enum Assigned { none, off, on };
    struct Case {
        bool withProvider;
        Assigned assigned;
        bool providerReadOnly, modify, editMode;
        bool readOnly, canModifyInplace;
    } cases[] = {
        {false, none, false, true, true, false, true},  {false, on, false, true, true, true, false},
        {false, off, false, true, true, false, true},   {true, none, false, true, true, false, true},
        {true, none, true, true, true, true, false},    {true, none, false, false, true, false, false},
        {true, none, false, true, false, false, false}, {true, off, true, false, false, false, true},
        {true, on, false, true, true, true, false},
    };
    for (const Case& c : cases) {
        TProvider provider;
        provider.readOnly = c.providerReadOnly;
        provider.modify = c.modify;
        provider.editMode = c.editMode;
        TcxCustomEditProperties p(nullptr);
        if (c.withProvider)
            p.SetDefaultValuesProvider(&provider);
        if (c.assigned != none)
            p.SetReadOnly(c.assigned == on);
        EXPECT_EQ(p.ReadOnly(), c.readOnly) << &c - cases;
        EXPECT_EQ(p.CanModifyInplace(), c.canModifyInplace) << &c - cases;
    }
}

TEST(EditProperties, TheProviderFillsWhatIsNotSetHere)
{
    TProvider provider;
    TcxCustomEditProperties p(nullptr);
    p.SetDefaultValuesProvider(&provider);
    EXPECT_EQ(p.GetMaxValue(), 42);
    EXPECT_EQ(p.Alignment().Horz(), TAlignment::taRightJustify);
    EXPECT_FALSE(p.Alignment().IsHorzAssigned());
    p.SetMaxValue(3);
    p.Alignment().SetHorz(TAlignment::taCenter);
    EXPECT_EQ(p.GetMaxValue(), 3);
    EXPECT_EQ(p.Alignment().Horz(), TAlignment::taCenter);
    // Back to defaults: the provider's answers again.
    p.ResetToDefaults();
    EXPECT_EQ(p.GetMaxValue(), 42);
    EXPECT_EQ(p.Alignment().Horz(), TAlignment::taRightJustify);
}

TEST(EditProperties, DisplayFormatsNeedSupportAProviderAndNoEditing)
{
    // Supported formats are asked of the provider: bit 1 asks for the edit format.
    class TFormatting : public TcxCustomEditProperties {
    public:
        using TcxCustomEditProperties::TcxCustomEditProperties;
        TcxEditDisplayFormatOptions SupportsDisplayFormat() const override { return options; }
        TcxEditDisplayFormatOptions options = 0;
    };
    struct Case {
        TcxEditDisplayFormatOptions options;
        bool withProvider, editing, displayFormat, editFormat;
        bool expected;
    } cases[] = {
        {0, true, false, true, true, false},
        {dfoSupports, false, false, true, true, false},
        {dfoSupports, true, true, true, true, false},
        {dfoSupports, true, false, true, false, true},
        {dfoSupports, true, false, false, true, false},
        {dfoSupports | dfoEditFormat, true, false, false, true, true},
    };
    for (const Case& c : cases) {
        TProvider provider;
        provider.displayFormat = c.displayFormat;
        provider.editFormat = c.editFormat;
        TFormatting p(nullptr);
        p.options = c.options;
        if (c.withProvider)
            p.SetDefaultValuesProvider(&provider);
        EXPECT_EQ(p.HasDisplayFormat(c.editing), c.expected) << &c - cases;
    }
}

TEST(EditProperties, AProviderThatGoesClearsItselfFromItsUsers)
{
    auto first = std::make_unique<TProvider>();
    TProvider second;
    TCountingProperties a(nullptr), b(nullptr), c(nullptr);
    a.SetDefaultValuesProvider(first.get());
    b.SetDefaultValuesProvider(first.get());
    c.SetDefaultValuesProvider(&second);
    first.reset();
    EXPECT_EQ(a.DefaultValuesProvider(), nullptr);
    EXPECT_EQ(b.DefaultValuesProvider(), nullptr);
    EXPECT_EQ(c.DefaultValuesProvider(), &second);
    EXPECT_EQ(a.clears + b.clears + c.clears, 2);
}

TEST(EditProperties, OnlyAnEditorHearsOfANewProvider)
{
    TProvider provider;
    TcxContainer editor;
    TComponent item;
    struct Case {
        TPersistent* owner;
        int changes;
    } cases[] = {{nullptr, 0}, {&item, 0}, {&editor, 2}};
    for (const Case& c : cases) {
        TcxCustomEditProperties p(c.owner);
        int changes = 0;
        p.OnPropertiesChanged = [&](TcxCustomEditProperties&) { ++changes; };
        p.SetDefaultValuesProvider(&provider);
        p.SetDefaultValuesProvider(&provider);
        p.SetDefaultValuesProvider(nullptr);
        EXPECT_EQ(changes, c.changes) << &c - cases;
    }
}

TEST(EditProperties, PropertiesFreedBeforeTheirProviderAreNotTouched)
{
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    TProvider provider;
    auto gone = std::make_unique<TcxCustomEditProperties>(nullptr);
    TcxCustomEditProperties kept(nullptr);
    gone->SetDefaultValuesProvider(&provider);
    kept.SetDefaultValuesProvider(&provider);
    gone.reset();
    provider.ClearUsers();
    EXPECT_EQ(kept.DefaultValuesProvider(), nullptr);
}

TEST(EditProperties, AHandlerThatRaisesOrFreesLeavesNoDepthBehind)
{
    TWatched w;
    w.properties->OnPropertiesChanged = [](TcxCustomEditProperties& p) {
        EXPECT_EQ(p.NotificationDepth(), 1);
        throw std::runtime_error("refused");
    };
    EXPECT_THROW(w.properties->SetAutoSelect(false), std::runtime_error);
    EXPECT_EQ(w.properties->NotificationDepth(), 0);
    // An update whose body raises ends without a notification.
    EXPECT_THROW(w.properties->Updating([&] {
        w.properties->SetBeepOnError(true);
        throw std::runtime_error("body");
    }),
                 std::runtime_error);
    EXPECT_EQ(w.properties->UpdateCount(), 0);

    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    auto* freed = new TcxCustomEditProperties(nullptr);
    freed->OnPropertiesChanged = [](TcxCustomEditProperties& p) { delete &p; };
    freed->SetAutoSelect(false);
}

TEST(EditProperties, AssignCopiesEverySettingInOneChange)
{
    TProvider provider;
    TcxCustomEditProperties source(nullptr);
    source.SetAutoSelect(false);
    source.Buttons().Add().SetKind(bkEllipsis);
    source.SetButtonsStyleKind(2);
    source.SetBeepOnError(true);
    source.SetClearKey(46);
    source.SetButtonClickKey(13);
    source.SetUseLeftAlignmentOnEditing(false);
    source.SetDefaultValuesProvider(&provider);
    source.Alignment().SetVert(taVCenter);
    source.SetMinValue(-1);
    source.SetReadOnly(true);
    source.SetImmediatePost(true);
    source.SetTransparentBackground(true);
    source.SetInplaceMouseWheel(false);
    source.SetValidateOnEnter(true);
    int clicks = 0;
    source.OnButtonClick = [&](TComponent&, int) { ++clicks; };

    TWatched w;
    TcxCustomEditProperties& dest = *w.properties;
    dest.SetMaxValue(7);
    w.changes = 0;
    dest.Assign(source);
    EXPECT_EQ(w.changes, 1);
    EXPECT_FALSE(dest.AutoSelect());
    ASSERT_EQ(dest.Buttons().Count(), 1);
    EXPECT_EQ(dest.Buttons().Items(0)->Kind(), bkEllipsis);
    EXPECT_EQ(dest.ButtonsStyleKind(), 2);
    EXPECT_TRUE(dest.BeepOnError());
    EXPECT_EQ(dest.ClearKey(), 46);
    EXPECT_EQ(dest.ButtonClickKey(), 13);
    EXPECT_FALSE(dest.UseLeftAlignmentOnEditing());
    EXPECT_EQ(dest.DefaultValuesProvider(), &provider);
    EXPECT_EQ(dest.Alignment().Vert(), taVCenter);
    // The source's Horz came through its getter, from the provider, not set.
    EXPECT_EQ(dest.Alignment().Horz(), TAlignment::taRightJustify);
    EXPECT_FALSE(dest.Alignment().IsHorzAssigned());
    EXPECT_FALSE(dest.AssignedValues().MaxValue());
    EXPECT_EQ(dest.GetMaxValue(), 42);
    EXPECT_TRUE(dest.AssignedValues().MinValue());
    EXPECT_EQ(dest.GetMinValue(), -1);
    EXPECT_TRUE(dest.ReadOnly());
    EXPECT_TRUE(dest.ImmediatePost());
    EXPECT_TRUE(dest.TransparentBackground());
    EXPECT_FALSE(dest.InplaceMouseWheel());
    EXPECT_TRUE(dest.ValidateOnEnter());
    TComponent sender;
    dest.OnButtonClick(sender, 0);
    EXPECT_EQ(clicks, 1);

    // From itself nothing is lost; from another class it fails.
    dest.Assign(dest);
    EXPECT_EQ(dest.Buttons().Count(), 1);
    TcxEditAlignment alignment(nullptr);
    EXPECT_THROW(dest.Assign(alignment), EConvertError);
}

TEST(EditProperties, FormTextSetsTheAlignmentAndTheAssignedValues)
{
    TPublishingProperties p(nullptr);
    EXPECT_TRUE(p.SetProperty("Alignment.Horz", "taCenter"));
    EXPECT_TRUE(p.SetProperty("Alignment.Vert", "taVCenter"));
    EXPECT_TRUE(p.SetProperty("MaxValue", "2.5"));
    EXPECT_TRUE(p.SetProperty("AssignedValues.MinValue", "true"));
    EXPECT_FALSE(p.SetProperty("MinValue", "1"));
    EXPECT_EQ(p.Alignment().Horz(), TAlignment::taCenter);
    EXPECT_TRUE(p.Alignment().IsHorzStored());
    EXPECT_TRUE(p.Alignment().IsVertStored());
    EXPECT_EQ(p.GetMaxValue(), 2.5);
    EXPECT_TRUE(p.AssignedValues().MinValue());
    EXPECT_TRUE(p.Publishes("MaxValue"));
    EXPECT_FALSE(p.Publishes("MinValue"));
}

TEST(EditProperties, TheClassValuesMakeTheEditorsParts)
{
    TcxCustomEditProperties p(nullptr);
    std::unique_ptr<TcxContainerStyle> style = p.StyleClassOf()(nullptr, cssNormal, nullptr, false);
    auto* editStyle = dynamic_cast<TcxEditStyle*>(style.get());
    ASSERT_NE(editStyle, nullptr);
    std::unique_ptr<TcxCustomEditViewData> viewData = p.NewViewData(editStyle, true);
    ASSERT_NE(viewData, nullptr);
    EXPECT_EQ(&viewData->EditProperties(), &p);
    EXPECT_EQ(&viewData->EditStyle(), editStyle);
    EXPECT_TRUE(viewData->Inplace());
    EXPECT_NE(p.ViewInfoClassOf()(), nullptr);
    EXPECT_STREQ(p.GetEditClass()->Name, "TcxCustomEdit");
    TcxCustomEditProperties owned(&p);
    EXPECT_EQ(owned.CreateSameClass()->GetOwner(), nullptr);
}

TEST(EditProperties, DisplayValuesAreComparedAsShown)
{
    // Shows only the last digit.
    class TLastDigit : public TcxCustomEditProperties {
    public:
        using TcxCustomEditProperties::TcxCustomEditProperties;
        void ValueToDisplayValue(const Variant& value, Variant& display, bool) const override
        {
            display = value.ToInteger() % 10;
        }
    };
    TLastDigit p(nullptr);
    EXPECT_TRUE(p.DisplayValuesEqual(Variant(3), Variant(13)));
    EXPECT_FALSE(p.DisplayValuesEqual(Variant(3), Variant(14)));
    TcxCustomEditProperties plain(nullptr);
    EXPECT_FALSE(plain.DisplayValuesEqual(Variant(3), Variant(13)));
}
