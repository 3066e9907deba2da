// Collections: items made by the item class, changes gathered by updates
// into one Update, copies between collections.
#include "classlib/collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TNote : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    static std::unique_ptr<TCollectionItem> Make(TCollection& c) { return std::make_unique<TNote>(c); }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value)
    {
        text_ = value;
        Changed(false);
    }
    void Touch() { Changed(true); }
    void Assign(const TPersistent& source) override
    {
        if (auto* note = dynamic_cast<const TNote*>(&source))
            SetText(note->text_);
        else
            TCollectionItem::Assign(source);
    }

private:
    std::string text_;
};

class TOther : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    static std::unique_ptr<TCollectionItem> Make(TCollection& c) { return std::make_unique<TOther>(c); }
};

// Records each Update: the item's text, "*" for the whole collection.
class TNotes : public TCollection {
public:
    explicit TNotes(TCollectionItemClass itemClass = TNote::Make) : TCollection(itemClass) {}
    TNote& AddNote(const std::string& text)
    {
        auto& note = static_cast<TNote&>(Add());
        note.SetText(text);
        return note;
    }
    std::vector<std::string> updates;

protected:
    void Update(TCollectionItem* item) override
    {
        updates.push_back(item ? static_cast<TNote*>(item)->Text() : "*");
    }
};

} // namespace

TEST(Collection, ItemsAreAddedInOrderWithIdsNeverReused)
{
    TNotes notes;
    notes.AddNote("a");
    notes.AddNote("b");
    notes.Delete(0);
    TNote& c = notes.AddNote("c");
    ASSERT_EQ(notes.Count(), 2);
    EXPECT_EQ(static_cast<TNote*>(notes.Items(0))->Text(), "b");
    EXPECT_EQ(c.Index(), 1);
    EXPECT_EQ(notes.Items(0)->ID(), 1);
    EXPECT_EQ(c.ID(), 2);
    EXPECT_EQ(c.GetOwner(), &notes);
    EXPECT_EQ(notes.IndexOf(nullptr), -1);
    for (int bad : {-1, 2})
        EXPECT_THROW(notes.Items(bad), EListError) << bad;
    EXPECT_THROW(notes.Delete(2), EListError);
}

TEST(Collection, ChangesOutsideAnUpdateReachUpdateAtOnce)
{
    TNotes notes;
    TNote& a = notes.AddNote("a");
    notes.updates.clear();
    a.SetText("x");
    a.Touch();
    notes.Delete(0);
    notes.Clear();
    EXPECT_EQ(notes.updates, (std::vector<std::string>{"x", "*", "*"})) << "an empty collection's Clear tells nothing";
}

TEST(Collection, NestedUpdatesGiveOneUpdatePerOutermostEndUpdate)
{
    struct Case {
        int depth;
        int changes;
    } cases[] = {{1, 0}, {1, 5}, {2, 3}, {4, 1}};
    for (const Case& c : cases) {
        TNotes notes;
        TNote& a = notes.AddNote("a");
        notes.updates.clear();
        for (int d = 0; d < c.depth; ++d)
            notes.BeginUpdate();
        for (int n = 0; n < c.changes; ++n) {
            a.SetText(std::to_string(n));
            notes.AddNote("new");
        }
        for (int d = 1; d < c.depth; ++d)
            notes.EndUpdate();
        EXPECT_TRUE(notes.updates.empty()) << "depth " << c.depth;
        notes.EndUpdate();
        EXPECT_EQ(notes.updates, std::vector<std::string>{"*"}) << "depth " << c.depth << ", changes " << c.changes;
        notes.EndUpdate();
        EXPECT_EQ(notes.UpdateCount(), 0) << "an unmatched EndUpdate is ignored";
        EXPECT_EQ(notes.updates.size(), 1u);
    }
}

TEST(Collection, AssignCopiesEveryItemInOneUpdate)
{
    TNotes source, dest;
    for (const char* text : {"1", "2", "3"})
        source.AddNote(text);
    dest.AddNote("old");
    dest.updates.clear();
    dest.Assign(source);
    ASSERT_EQ(dest.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(static_cast<TNote*>(dest.Items(i))->Text(), static_cast<TNote*>(source.Items(i))->Text());
    EXPECT_EQ(dest.updates, std::vector<std::string>{"*"});
    dest.Assign(dest);
    EXPECT_EQ(dest.Count(), 3) << "assigning itself keeps the items";
}

TEST(Collection, AssignFromAnUnrelatedSourceRaisesAndEndsTheUpdate)
{
    TNotes dest, others(TOther::Make);
    others.Add();
    dest.AddNote("keep");
    TNote lone(dest);
    EXPECT_THROW(dest.Assign(lone), EConvertError) << "an item is no collection";
    EXPECT_EQ(dest.Count(), 1);
    EXPECT_THROW(dest.Assign(others), EConvertError) << "items that do not know each other";
    EXPECT_EQ(dest.UpdateCount(), 0);
    dest.updates.clear();
    dest.AddNote("after");
    EXPECT_FALSE(dest.updates.empty()) << "changes after the failure are told again";
}

TEST(Collection, AnItemClassMakingNothingIsRefused)
{
    TCollection broken([](TCollection&) -> std::unique_ptr<TCollectionItem> { return nullptr; });
    EXPECT_THROW(broken.Add(), EInvalidOperation);
    EXPECT_EQ(broken.Count(), 0);
}
