// The generic editor's value side on real editors on a shown form: the
// edit value, OnEditing, the change events and their lock, validation with
// OnValidate, posting through the binding, reverting, the repository item,
// and handlers that raise or free the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/testform.h"
#include "editors/edit/editor/cxedit.h"

namespace {

// Texts of whole numbers 0..100 are valid; comparing values and firing on
// text as a test sets them.
class TRangeProperties : public TcxCustomEditProperties {
public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
    bool NeedsValidation() const override { return true; }
    bool CanCompareEditValues() const override { return compare; }
    bool ChangeFiresOnText() const override { return firesOnText; }
    bool KeepsValueAtFocus() const override { return true; }
    void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error) override
    {
        const std::string text = VarToStr(value);
        char* end = nullptr;
        const long number = std::strtol(text.c_str(), &end, 10);
        error = error || text.empty() || *end != '\0' || number < 0 || number > 100;
        TcxCustomEditProperties::ValidateValue(value, errorText, edit, error);
    }

    bool compare = false;
    bool firesOnText = false;
};

class TRecordingBinding : public TcxEditDataBinding {
public:
    using TcxEditDataBinding::TcxEditDataBinding;
    void WriteStoredValue(const Variant& value) override { posts.push_back(VarToStr(value)); }
    std::vector<std::string> posts;
};

const TcxEditKind kRangeKind = cxEditKindOf<TRangeProperties, TRecordingBinding>();

// Its display text stands for the typed text; a validated text is stored
// as the edit value.
class TValueEdit : public TcxCustomEdit {
public:
    explicit TValueEdit(bool inPlace = false) : TcxCustomEdit(nullptr, inPlace, kRangeKind) {}

    TRangeProperties& Range() const { return static_cast<TRangeProperties&>(EditProperties()); }
    TRecordingBinding& Binding() const { return static_cast<TRecordingBinding&>(DataBinding()); }
    // What the clear key and a paste do: a store by the user.
    void StoreByUser(const Variant& value)
    {
        const TFlagScope byUser(Liveness(), byUserInput_);
        SetEditValueChecked(value);
    }
    // The user typed text.
    void Type(const std::string& value)
    {
        text = value;
        ContentChanged();
    }
    void SetValueAtFocus(const Variant& value) { valueAtFocus_ = value; }
    bool ValidationRunning() const { return validationRunning_; }

    std::string GetDisplayText() const override { return text; }
    void ShowDisplayValue(const Variant& value) override { text = VarToStr(value); }
    void ApplyDisplayValue(const Variant& value) override
    {
        text = VarToStr(value);
        StoreEditValue(value);
    }

    std::string text;
};

// A shown form; each case places a new editor on it.
struct Scene {
    Scene() : form(ShowTestForm(300, 200)) {}
    // In place of the last one, unless a handler freed that already.
    TValueEdit& NewEdit(bool inPlace = false)
    {
        if (lastAlive)
            delete edit;
        edit = &form->Adopt(std::make_unique<TValueEdit>(inPlace));
        lastAlive = edit->Liveness();
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 120, 24);
        Application.ProcessMessages();
        return *edit;
    }
    std::unique_ptr<TForm> form;
    TValueEdit* edit = nullptr;
    TLiveness lastAlive;
};

// Every lock the editor takes is back at 0.
void ExpectUnlocked(const TValueEdit& edit, const std::string& name)
{
    EXPECT_EQ(edit.ChangeEventsLockCount(), 0) << name;
    EXPECT_EQ(edit.ClickLockCount(), 0) << name;
    EXPECT_EQ(edit.EditingEventLockCount(), 0) << name;
    EXPECT_EQ(edit.ModifiedStackDepth(), 0) << name;
    EXPECT_FALSE(edit.InEditingEvent()) << name;
    EXPECT_FALSE(edit.ValidationRunning()) << name;
}

TEST(EditValue, NewValueIsNullUnsavedAndClearedBackToNull)
{
    Application.Initialize();
    Scene s;
    s.NewEdit();
    EXPECT_TRUE(s.edit->EditValue().IsNull());
    EXPECT_FALSE(s.edit->IsEditValueSaved());
    s.edit->SetEditValue(Variant(7));
    EXPECT_EQ(s.edit->EditValue().ToInteger(), 7);
    EXPECT_TRUE(s.edit->IsEditValueSaved());
    EXPECT_FALSE(s.edit->Modified());
    s.edit->ClearValue();
    EXPECT_TRUE(s.edit->EditValue().IsNull());
    EXPECT_FALSE(s.edit->IsEditValueSaved());
    ExpectUnlocked(*s.edit, "clear");
}

TEST(EditValue, OnEditingDecidesUserStoresAndCannotWriteTheValue)
{
    Application.Initialize();
    const struct {
        const char* name;
        bool inPlace;
        bool canEdit;
        bool readOnly;
        int editingCalls;
        const char* value; // what the user stored, else the value before
    } cases[] = {
        {"out of place", false, true, false, 1, "42"},
        {"in place", true, true, false, 1, "42"},
        {"out of place refused", false, false, false, 1, "5"},
        {"in place refused", true, false, false, 1, "5"},
        // Read-only refuses before asking the handler.
        {"read-only", false, true, true, 0, "5"},
        {"read-only in place", true, true, true, 0, "5"},
    };
    Scene s;
    for (const auto& c : cases) {
        s.NewEdit(c.inPlace);
        s.edit->SetEditValue(Variant("5"));
        if (c.readOnly)
            s.edit->EditProperties().SetReadOnly(true);
        int calls = 0;
        s.edit->OnEditing = [&](TComponent&, bool& canEdit) {
            ++calls;
            // Unguarded, this write would ask for editing again without end.
            s.edit->SetEditValue(Variant("99"));
            canEdit = c.canEdit;
        };
        s.edit->StoreByUser(Variant("42"));
        EXPECT_EQ(calls, c.editingCalls) << c.name;
        EXPECT_EQ(VarToStr(s.edit->EditValue()), c.value) << c.name;
        EXPECT_EQ(s.edit->ModifiedSinceFocus(), c.editingCalls == 1 && c.canEdit) << c.name;
        ExpectUnlocked(*s.edit, c.name);
    }
}

TEST(EditValue, ChangeEventsInOrderAndHeldWhileLocked)
{
    Application.Initialize();
    enum class Act { Type, Store };
    const struct {
        const char* name;
        bool compare;
        bool lock;
        bool firePending;
        std::vector<std::pair<Act, const char*>> acts;
        std::string events;
    } cases[] = {
        // Neither comparing nor firing on text: a content change fires both.
        {"typed", false, false, false, {{Act::Type, "1"}}, "change,value;"},
        {"three typed locked, fired", false, true, true, {{Act::Type, "1"}, {Act::Type, "2"}, {Act::Type, "3"}},
         "change,value;"},
        {"three typed locked, dropped", false, true, false,
         {{Act::Type, "1"}, {Act::Type, "2"}, {Act::Type, "3"}}, ""},
        // Comparing: only a real change, value event first.
        {"stored changed", true, false, false, {{Act::Store, "1"}}, "value,change;"},
        {"stored same", true, false, false, {{Act::Store, "1"}, {Act::Store, "1"}}, "value,change;"},
        {"stored same text, other kind", true, false, false, {{Act::Store, "1"}, {Act::Store, nullptr}},
         "value,change;value,change;"},
        {"stored locked", true, true, true, {{Act::Store, "1"}, {Act::Store, "2"}}, "change,value;"},
    };
    Scene s;
    for (const auto& c : cases) {
        s.NewEdit();
        s.edit->Range().compare = c.compare;
        std::string events;
        s.edit->EditProperties().OnChange = [&](TComponent&) { events += "change,"; };
        s.edit->EditProperties().OnEditValueChanged = [&](TComponent&) { events += "value,"; };
        if (c.lock)
            s.edit->LockChangeEvents(true);
        for (const auto& [act, text] : c.acts) {
            if (act == Act::Type)
                s.edit->Type(text);
            else
                s.edit->SetEditValue(text ? Variant(text) : Variant(1));
            if (!c.lock && !events.empty())
                events.back() = ';';
        }
        if (c.lock) {
            EXPECT_EQ(events, "") << c.name;
            s.edit->LockChangeEvents(false, c.firePending);
            if (!events.empty())
                events.back() = ';';
        }
        EXPECT_EQ(events, c.events) << c.name;
        ExpectUnlocked(*s.edit, c.name);
    }
}

TEST(EditValue, ValidationRunsOnValidateAndShowsWhatItLeft)
{
    Application.Initialize();
    enum class Handler { None, SetsError, ChangesText, ClearsError };
    const struct {
        const char* name;
        const char* typed;
        Handler handler;
        bool modified;
        bool valid;
        const char* shown;
        const char* value;
        int validateCalls;
    } cases[] = {
        {"unchanged since the focus", "abc", Handler::SetsError, false, true, "abc", "5", 0},
        {"valid", "42", Handler::None, true, true, "42", "42", 0},
        {"invalid", "abc", Handler::None, true, false, "abc", "5", 0},
        {"handler sets error", "42", Handler::SetsError, true, false, "42", "5", 1},
        {"handler changes text", "42", Handler::ChangesText, true, false, "fixed", "5", 1},
        {"handler clears error", "abc", Handler::ClearsError, true, true, "abc", "abc", 1},
    };
    Scene s;
    for (const bool raise : {false, true})
        for (const auto& c : cases) {
            const std::string name = std::string(c.name) + (raise ? " raising" : "");
            s.NewEdit();
            s.edit->SetEditValue(Variant("5"));
            s.edit->text = c.typed;
            if (c.modified)
                s.edit->MarkUserModified(true);
            int calls = 0;
            if (c.handler != Handler::None)
                s.edit->EditProperties().OnValidate = [&](TComponent&, Variant& value, std::string&, bool& error) {
                    ++calls;
                    error = c.handler != Handler::ClearsError;
                    if (c.handler == Handler::ChangesText)
                        value = Variant("fixed");
                };
            bool valid = false;
            std::string message;
            try {
                valid = s.edit->CheckEditValue(raise);
            } catch (const EcxEditValidationError& e) {
                message = e.what();
            }
            EXPECT_EQ(valid, c.valid) << name;
            EXPECT_EQ(message, raise && !c.valid ? "Invalid input value. Use escape key to abandon changes" : "")
                << name;
            EXPECT_EQ(s.edit->text, c.shown) << name;
            EXPECT_EQ(VarToStr(s.edit->EditValue()), c.value) << name;
            EXPECT_EQ(s.edit->ValueValidated(), c.valid && c.modified) << name;
            EXPECT_EQ(calls, c.validateCalls) << name;
            ExpectUnlocked(*s.edit, name);
        }
}

TEST(EditValue, AnEditorThatCannotTakeTheFocusIsMarkedValidatedAndStillRaises)
{
    Application.Initialize();
    Scene s;
    for (const bool hidden : {false, true}) {
        s.NewEdit();
        if (hidden)
            s.edit->SetVisible(false);
        else
            s.edit->SetEnabled(false);
        TControl* before = TControl::FromHandle(GetFocus());
        s.edit->text = "abc";
        s.edit->MarkUserModified(true);
        EXPECT_THROW(s.edit->CheckEditValue(true), EcxEditValidationError) << hidden;
        EXPECT_TRUE(s.edit->ValueValidated()) << hidden;
        EXPECT_EQ(TControl::FromHandle(GetFocus()), before) << hidden;
    }
}

TEST(EditValue, PostingReachesTheBindingOrTheInplaceHandler)
{
    Application.Initialize();
    Scene s;
    for (const bool inPlace : {false, true}) {
        s.NewEdit(inPlace);
        int inplacePosts = 0;
        s.edit->OnInplacePost = [&](TComponent&) { ++inplacePosts; };
        s.edit->SetFocus();
        Application.ProcessMessages();
        s.edit->text = "42";
        s.edit->MarkUserModified(true);
        s.edit->PostValue(true);
        EXPECT_EQ(VarToStr(s.edit->EditValue()), "42") << inPlace;
        EXPECT_EQ(s.edit->Binding().posts, inPlace ? std::vector<std::string>{} : std::vector<std::string>{"42"})
            << inPlace;
        EXPECT_EQ(inplacePosts, inPlace ? 1 : 0) << inPlace;
        EXPECT_FALSE(s.edit->Posting()) << inPlace;
        // An invalid text posts nothing.
        s.edit->text = "abc";
        s.edit->MarkUserModified(true);
        EXPECT_THROW(s.edit->PostValue(true), EcxEditValidationError) << inPlace;
        EXPECT_EQ(s.edit->Binding().posts.size(), inPlace ? 0u : 1u) << inPlace;
        EXPECT_EQ(inplacePosts, inPlace ? 1 : 0) << inPlace;
        ExpectUnlocked(*s.edit, inPlace ? "in place" : "out of place");
    }
}

TEST(EditValue, RevertGoesBackToTheValueAtFocusOnlyWhenModified)
{
    Application.Initialize();
    Scene s;
    for (const bool modified : {false, true}) {
        s.NewEdit();
        s.edit->SetEditValue(Variant("5"));
        s.edit->SetValueAtFocus(Variant("3"));
        if (modified)
            s.edit->MarkUserModified(true);
        s.edit->RevertValue();
        EXPECT_EQ(VarToStr(s.edit->EditValue()), modified ? "3" : "5") << modified;
        EXPECT_FALSE(s.edit->ModifiedSinceFocus()) << modified;
        EXPECT_EQ(s.edit->Modified(), modified) << modified;
        ExpectUnlocked(*s.edit, modified ? "reverted" : "kept");
    }
}

// Repository items of the editor's properties class and of the base class.
class TRangeItem : public TcxEditRepositoryItem {
public:
    TRangeItem()
        : TcxEditRepositoryItem(nullptr, [](TPersistent* owner) -> std::unique_ptr<TcxCustomEditProperties> {
              return std::make_unique<TRangeProperties>(owner);
          })
    {
    }
};

TEST(EditValue, RepositoryItemsLinkRefuseAndUnlinkWhenFreed)
{
    Application.Initialize();
    TFreedMemoryTrap trap;
    Scene s;
    s.NewEdit();
    auto unrelated = std::make_unique<TcxEditRepositoryItem>();
    auto* item = new TRangeItem;
    try {
        s.edit->SetRepositoryItem(unrelated.get());
        ADD_FAILURE() << "an unrelated item was taken";
    } catch (const EcxEditError& e) {
        EXPECT_STREQ(e.what(), "The repository item is not acceptable");
    }
    EXPECT_EQ(s.edit->RepositoryItem(), nullptr);

    std::string events;
    s.edit->EditProperties().OnChange = [&](TComponent&) { events += "own,"; };
    item->EditProperties().OnChange = [&](TComponent&) { events += "item,"; };
    s.edit->SetRepositoryItem(item);
    EXPECT_EQ(&s.edit->GetEffectiveProperties(), &item->EditProperties());
    EXPECT_EQ(item->EditProperties().DefaultValuesProvider(), s.edit->DataBinding().GetDefaultValuesProvider());
    s.edit->Type("1");
    EXPECT_EQ(events, "own,item,");
    // Refusing keeps the link.
    EXPECT_THROW(s.edit->SetRepositoryItem(unrelated.get()), EcxEditError);
    EXPECT_EQ(s.edit->RepositoryItem(), item);

    delete item;
    EXPECT_EQ(s.edit->RepositoryItem(), nullptr);
    EXPECT_EQ(&s.edit->GetEffectiveProperties(), &s.edit->EditProperties());
    EXPECT_EQ(s.edit->EditProperties().DefaultValuesProvider(), s.edit->DataBinding().GetDefaultValuesProvider());
    events.clear();
    s.edit->Type("2");
    EXPECT_EQ(events, "own,");
    // The own properties tell the editor of their changes again.
    s.edit->text = "7";
    s.edit->MarkUserModified(true);
    ASSERT_TRUE(s.edit->CheckEditValue(false));
    s.edit->EditProperties().SetBeepOnError(true);
    EXPECT_FALSE(s.edit->ValueValidated());
}

TEST(EditValue, HandlersThatRaiseOrFreeTheEditorLeaveNothingLockedOrTouched)
{
    Application.Initialize();
    enum class Event { Editing, Change, EditValueChanged, Validate, InplacePost };
    enum class Does { Raises, Frees };
    const struct {
        const char* name;
        Event event;
        bool inPlace;
        bool locked; // the change events locked around the act
    } cases[] = {
        {"OnEditing", Event::Editing, false, false},
        {"OnEditing in place", Event::Editing, true, false},
        {"OnChange", Event::Change, false, false},
        {"OnChange in place", Event::Change, true, false},
        {"OnChange at unlock", Event::Change, false, true},
        {"OnEditValueChanged", Event::EditValueChanged, false, false},
        {"OnEditValueChanged at unlock", Event::EditValueChanged, true, true},
        {"OnValidate", Event::Validate, false, false},
        {"OnInplacePost", Event::InplacePost, true, false},
    };
    TFreedMemoryTrap trap;
    Scene s;
    for (const Does does : {Does::Raises, Does::Frees})
        for (const auto& c : cases) {
            const std::string name = std::string(c.name) + (does == Does::Raises ? " raising" : " freeing");
            s.NewEdit(c.inPlace);
            TValueEdit* edit = s.edit;
            const TLiveness alive = edit->Liveness();
            s.edit->SetEditValue(Variant("5"));
            const std::function<void()> act = [&] {
                if (does == Does::Raises)
                    throw std::runtime_error("handler");
                delete edit;
            };
            TcxCustomEditProperties& p = edit->EditProperties();
            switch (c.event) {
            case Event::Editing: edit->OnEditing = [&](TComponent&, bool&) { act(); }; break;
            case Event::Change: p.OnChange = [&](TComponent&) { act(); }; break;
            case Event::EditValueChanged: p.OnEditValueChanged = [&](TComponent&) { act(); }; break;
            case Event::Validate: p.OnValidate = [&](TComponent&, Variant&, std::string&, bool&) { act(); }; break;
            case Event::InplacePost: edit->OnInplacePost = [&](TComponent&) { act(); }; break;
            }
            std::string raised;
            try {
                if (c.locked)
                    edit->LockChangeEvents(true);
                if (c.event == Event::Editing)
                    edit->StoreByUser(Variant("42"));
                else if (c.event == Event::Validate || c.event == Event::InplacePost) {
                    edit->text = "42";
                    edit->MarkUserModified(true);
                    edit->PostValue(true);
                } else
                    edit->Type("42");
                if (c.locked)
                    edit->LockChangeEvents(false);
            } catch (const std::runtime_error& e) {
                raised = e.what();
            }
            EXPECT_EQ(raised, does == Does::Raises ? "handler" : "") << name;
            EXPECT_EQ(static_cast<bool>(alive), does == Does::Raises) << name;
            if (!alive)
                continue;
            ExpectUnlocked(*edit, name);
            EXPECT_FALSE(edit->Posting()) << name;
        }
}

} // namespace
