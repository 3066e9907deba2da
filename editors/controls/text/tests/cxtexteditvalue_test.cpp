// The text editor's values and their texts: what a value shows, numbers
// under display and edit formats, bounds, the lookup items list, and
// handlers that raise or free the editor in the middle of a change.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/formatsettings.h"
#include "classlib/tests/freedmemory.h"
#include "editors/controls/text/cxtextedit.h"

namespace {

// Numbers formatted as the spin and time editors have them.
class TNumberProperties : public TcxTextEditProperties {
public:
    using TcxTextEditProperties::TcxTextEditProperties;
    bool NumericFormatting() const override { return true; }
};

struct TScene {
    TScene()
    {
        form = std::make_unique<TForm>();
        form->SetBounds(100, 100, 300, 120);
        edit = &form->Adopt(std::make_unique<TcxTextEdit>());
        edit->SetParent(form.get());
        form->Show();
        Application.ProcessMessages();
        // Unfocused, a change is applied at once rather than left to validation.
        ::SetFocus(nullptr);
        Application.ProcessMessages();
    }
    std::string Shown() const { return edit->InnerTextEditControl()->Text(); }

    std::unique_ptr<TForm> form;
    TcxTextEdit* edit = nullptr;
};

TEST(TextEditValue, ValuesShowAsText)
{
    TScene s;
    const struct {
        const char* name;
        Variant value;
        TEditCharCase charCase;
        TcxEditEchoMode echo;
        std::string shown;
        std::string displayText;
    } cases[] = {
        {"null", Variant::Null(), TEditCharCase::ecNormal, eemNormal, "", ""},
        {"number", Variant(12), TEditCharCase::ecNormal, eemNormal, "12", "12"},
        {"upper", Variant(std::string("ab\xC9\xCF")), TEditCharCase::ecUpperCase, eemNormal, "AB\xC9\xCF", "AB\xC9\xCF"},
        {"password by byte", Variant(std::string("a\xC9\xCF")), TEditCharCase::ecNormal, eemPassword, "a\xC9\xCF",
         "***"},
    };
    for (const auto& c : cases) {
        TcxTextEditProperties& p = s.edit->TextEditProperties();
        p.SetCharCase(c.charCase);
        p.SetEchoMode(c.echo);
        s.edit->SetEditValue(c.value);
        EXPECT_EQ(s.Shown(), c.shown) << c.name;
        EXPECT_EQ(p.GetDisplayText(c.value), c.displayText) << c.name;
    }
}

// OnChange follows the shown text; OnEditValueChanged the value.
TEST(TextEditValue, ChangeEventsFollowTextAndValue)
{
    TScene s;
    int changes = 0, valueChanges = 0;
    TcxTextEditProperties& p = s.edit->TextEditProperties();
    p.OnChange = [&](TComponent&) { ++changes; };
    p.OnEditValueChanged = [&](TComponent&) { ++valueChanges; };
    const struct {
        const char* name;
        std::function<void()> act;
        int changes, valueChanges;
        bool modified;
    } cases[] = {
        {"a new value", [&] { s.edit->SetEditValue(Variant(std::string("a"))); }, 1, 1, false},
        {"the same value", [&] { s.edit->SetEditValue(Variant(std::string("a"))); }, 0, 0, false},
        {"WM_SETTEXT", [&] { SendMessageA(s.edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("b")); }, 1, 1,
         false},
        {"a number showing the same text", [&] { s.edit->SetEditValue(Variant(7)); }, 1, 1, false},
        {"its text", [&] { s.edit->SetEditValue(Variant(std::string("7"))); }, 0, 1, false},
        {"a typed character",
         [&] { SendMessageA(s.edit->InnerTextEditControl()->Handle(), WM_CHAR, 'x', 0); }, 1, 0, true},
    };
    for (const auto& c : cases) {
        changes = valueChanges = 0;
        c.act();
        EXPECT_EQ(changes, c.changes) << c.name;
        EXPECT_EQ(valueChanges, c.valueChanges) << c.name;
        EXPECT_EQ(s.edit->Modified(), c.modified) << c.name;
    }
}

TEST(TextEditValue, NumbersFollowTheFormats)
{
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings saved = settings;
    settings.DecimalSeparator = '.';
    settings.ThousandSeparator = ',';
    const struct {
        const char* name;
        std::string displayFormat, editFormat;
        Variant value;
        bool editing;
        std::string text;
    } cases[] = {
        {"null", "0.00", "", Variant::Null(), false, ""},
        {"display format", "#,##0.00", "", Variant(1234.5), false, "1,234.50"},
        {"no display format", "", "", Variant(1234.5), false, "1234.5"},
        {"editing, general format", "#,##0.00", "", Variant(1234.5), true, "1234.5"},
        {"editing, edit format", "#,##0.00", "0.0", Variant(1234.56), true, "1234.6"},
        {"editing, fifteen digits", "", "", Variant(0.1 + 0.2), true, "0.3"},
        {"integer", "000", "", Variant(7), false, "007"},
    };
    for (const auto& c : cases) {
        TNumberProperties p(nullptr);
        if (!c.displayFormat.empty())
            p.SetDisplayFormat(c.displayFormat);
        if (!c.editFormat.empty())
            p.SetEditFormat(c.editFormat);
        Variant shown;
        p.ValueToDisplayValue(c.value, shown, c.editing);
        EXPECT_EQ(VarToStr(shown), c.text) << c.name;
    }
    TNumberProperties p(nullptr);
    Variant shown;
    EXPECT_THROW(p.ValueToDisplayValue(VarArrayOf({Variant(1)}), shown, false), EConvertError);
    settings = saved;
}

TEST(TextEditValue, BoundsCheckNumbers)
{
    const struct {
        const char* name;
        bool minAssigned, maxAssigned;
        Variant value;
        bool error;
    } cases[] = {
        {"below MinValue", true, false, Variant(3.0), true},
        {"above a lone MinValue", true, false, Variant(1e9), false},
        {"above MaxValue", true, true, Variant(11), true},
        {"inside", true, true, Variant(7), false},
        {"text is not compared", true, true, Variant(std::string("3")), false},
    };
    for (const auto& c : cases) {
        TNumberProperties p(nullptr);
        if (c.minAssigned)
            p.SetMinValue(5);
        if (c.maxAssigned)
            p.SetMaxValue(10);
        Variant value = c.value;
        std::string errorText;
        bool error = false;
        p.ValidateValue(value, errorText, nullptr, error);
        EXPECT_EQ(error, c.error) << c.name;
        if (c.error) {
            EXPECT_EQ(errorText, "Value out of bounds") << c.name;
        }
    }
}

TEST(TextEditValue, LookupItemsKeepTheirObjectsAndOrder)
{
    int a = 1, b = 2, c = 3;
    const struct {
        const char* name;
        bool sortedFirst;
        std::vector<std::string> order;
        std::vector<int*> objects;
    } cases[] = {
        {"as added", false, {"pear", "Apple", "fig"}, {&a, &b, &c}},
        {"sorted while adding", true, {"Apple", "fig", "pear"}, {&b, &c, &a}},
    };
    for (const auto& k : cases) {
        TcxTextEditLookupItems items;
        int changes = 0;
        items.OnChange = [&] { ++changes; };
        items.SetSorted(k.sortedFirst);
        items.Add("pear", &a);
        items.Add("Apple", &b);
        items.Add("fig", &c);
        ASSERT_EQ(items.Count(), 3) << k.name;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(items[i], k.order[i]) << k.name;
            EXPECT_EQ(items.Objects(i), k.objects[i]) << k.name;
        }
        EXPECT_GE(changes, 3) << k.name;
        // Sorting afterwards reaches the same order, objects with their texts.
        items.SetSorted(true);
        EXPECT_EQ(items[0], "Apple");
        EXPECT_EQ(items.Objects(0), &b);
        items.Clear();
        EXPECT_EQ(items.Count(), 0);
    }
}

TEST(TextEditValue, HandlersThatRaiseOrFreeTheEditorMidChange)
{
    enum class Act { SetText, Insert, Delete, ByUser };
    enum class Event { EditValueChanged, Editing };
    const struct {
        const char* name;
        Act act;
        Event event;
    } cases[] = {
        {"WM_SETTEXT", Act::SetText, Event::EditValueChanged},
        {"InsertText", Act::Insert, Event::EditValueChanged},
        {"DeleteSelectionText", Act::Delete, Event::EditValueChanged},
        {"SetTextByUser", Act::ByUser, Event::Editing},
    };
    TFreedMemoryTrap trap;
    for (const bool frees : {false, true})
        for (const auto& c : cases) {
            const std::string name = std::string(c.name) + (frees ? " freeing" : " raising");
            TScene s;
            TcxTextEdit* edit = s.edit;
            SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
            edit->SelectRange(1, 1);
            const TLiveness alive = edit->Liveness();
            const std::function<void()> act = [&] {
                if (!frees)
                    throw std::runtime_error("handler");
                delete edit;
            };
            if (c.event == Event::Editing)
                edit->OnEditing = [&](TComponent&, bool&) { act(); };
            else
                edit->TextEditProperties().OnEditValueChanged = [&](TComponent&) { act(); };
            std::string raised;
            try {
                switch (c.act) {
                case Act::SetText:
                    // Raised inside a window procedure it would end in a message box.
                    if (frees)
                        SendMessageA(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("xyz"));
                    else
                        edit->TextFromSetText("xyz");
                    break;
                case Act::Insert: edit->InsertText("\xCF\xC2"); break;
                case Act::Delete: edit->DeleteSelectionText(); break;
                case Act::ByUser: edit->SetTextByUser("new"); break;
                }
            } catch (const std::runtime_error& e) {
                raised = e.what();
            }
            EXPECT_EQ(raised, frees ? "" : "handler") << name;
            EXPECT_EQ(static_cast<bool>(alive), !frees) << name;
            if (alive) {
                EXPECT_FALSE(edit->KeyboardAction()) << name << ": the keyboard flag stays set";
            }
        }
}

} // namespace
