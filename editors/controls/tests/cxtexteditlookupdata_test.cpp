// The lookup data's current key and notifications, and incremental search
// typed key by key into an editor made of a string.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/controls/tests/textlookup_stringeditor.h"

namespace {

const std::vector<std::string> kFruit = {"apple", "apricot", "banana"};
const std::vector<std::string> kDayHalves = {"上午", "下午"};

TEST(LookupData, CurrentKeyAndItemSelected)
{
    struct Row {
        const char* why;
        std::vector<std::string> items;
        int keyBefore;
        std::string shown;
        Variant key;
        int keyAfter;
        int selected;
    };
    const Row rows[] = {
        {"a new key selects its item", kFruit, -1, "", Variant(1), 1, 1},
        {"the same key, another text shown: selected again", kFruit, 1, "apple", Variant(1), 1, 1},
        {"the same key and its own text: nothing", kFruit, 1, "apricot", Variant(1), 1, 0},
        {"the same key, the text in another case: selected again", kFruit, 1, "APRICOT", Variant(1), 1, 1},
        {"Null clears the key", kFruit, 2, "banana", Variant::Null(), -1, 1},
        {"a key past the items is ignored", kFruit, 0, "apple", Variant(3), 0, 0},
        {"a key below -1 is ignored", kFruit, 0, "apple", Variant(-2), 0, 0},
        {"an empty list keeps -1", {}, -1, "x", Variant(0), -1, 0},
    };
    for (const auto& r : rows) {
        TStringLookupEditor edit(r.items);
        edit.Data.SetCurrentKey(r.keyBefore);
        edit.Shown = r.shown;
        int selected = 0, lockedWhileChanging = 0;
        edit.Data.OnSelectItem = [&] { ++selected; };
        edit.Data.OnCurrentKeyChanged = [&](TcxCustomTextEditLookupData&) { lockedWhileChanging = edit.LockDepth; };
        edit.Data.SetCurrentKey(r.key);
        EXPECT_EQ(edit.Data.CurrentKey(), r.keyAfter) << r.why;
        EXPECT_EQ(edit.Data.GetCurrentKey().ToInteger(), r.keyAfter) << r.why;
        EXPECT_EQ(edit.Data.ItemIndex(), r.keyAfter) << r.why;
        EXPECT_EQ(selected, r.selected) << r.why;
        if (r.keyAfter != r.keyBefore) {
            EXPECT_EQ(lockedWhileChanging, 1) << r.why << ": the editor's lookup text is locked meanwhile";
        }
        EXPECT_EQ(edit.LockDepth, 0) << r.why;
    }
}

TEST(LookupData, TextsAndTextChanged)
{
    TStringLookupEditor edit({"apple", std::string("a\0b", 3), "Banana"});
    EXPECT_EQ(edit.Data.GetIndexByText("BANANA"), 2);
    EXPECT_EQ(edit.Data.GetIndexByText(std::string("A\0B", 3)), 1) << "NUL bytes are compared as text";
    EXPECT_EQ(edit.Data.GetIndexByText("a"), -1) << "a start is not the text";
    EXPECT_EQ(edit.Data.GetDisplayText(Variant(2)), "Banana");
    EXPECT_EQ(edit.Data.GetDisplayText(Variant(3)), "");
    EXPECT_EQ(edit.Data.GetDisplayText(Variant(-1)), "");

    struct Row {
        const char* why;
        bool mostRecentlyUsed;
        int keyBefore;
        std::string shown;
        int keyAfter;
    };
    const Row rows[] = {
        {"the shown item reads the text: kept", false, 2, "banana", 2},
        {"another text: the first item it starts", false, 2, "app", 0},
        {"most recently used: only an equal item", true, 2, "app", -1},
        {"most recently used: the equal item", true, -1, "BANANA", 2},
        {"nothing starts with it", false, 0, "cherry", -1},
    };
    for (const auto& r : rows) {
        edit.MostRecentlyUsed = r.mostRecentlyUsed;
        edit.Data.SetCurrentKey(r.keyBefore);
        edit.Shown = r.shown;
        edit.Data.TextChanged();
        EXPECT_EQ(edit.Data.CurrentKey(), r.keyAfter) << r.why;
    }
}

TEST(LookupData, Navigation)
{
    std::vector<std::string> items;
    for (int i = 0; i < 20; ++i)
        items.push_back("item" + std::to_string(i));
    struct Row {
        int from;
        TcxEditLookupDirection direction;
        bool wrap;
        int to;
    };
    const Row rows[] = {
        {5, eldFirst, false, 0},     {5, eldLast, false, 19},     {19, eldNext, false, 19},
        {19, eldNext, true, 0},      {0, eldPrev, false, 0},      {0, eldPrev, true, 19},
        {10, eldPageUp, false, 3},   {2, eldPageUp, false, 0},    {0, eldPageUp, true, 19},
        {-1, eldPageDown, false, 7}, {10, eldPageDown, false, 17}, {15, eldPageDown, false, 19},
        {19, eldPageDown, true, 0},  {-1, eldNext, false, 0},
    };
    for (const auto& r : rows) {
        TStringLookupEditor edit(items);
        edit.Data.SetCurrentKey(r.from);
        edit.Data.Go(r.direction, r.wrap);
        EXPECT_EQ(edit.Data.CurrentKey(), r.to) << "from " << r.from << " direction " << r.direction;
    }
    TStringLookupEditor refused(items);
    refused.MayEdit = false;
    refused.Data.Go(eldLast, false);
    EXPECT_EQ(refused.Data.CurrentKey(), -1) << "no editing, no move";
}

struct TypingRow {
    const char* why;
    std::vector<std::string> items;
    TcxTextEditingMode mode;
    // Single bytes typed in turn; "\b" is Backspace; a GBK character goes
    // in as its two bytes with the trail byte pending.
    std::vector<std::string> keys;
    std::string text;
    int selStart, selLength;
    bool find;
    int key;
    bool lastTaken;
};

TEST(IncrementalSearch, TypedKeyByKey)
{
    const TypingRow rows[] = {
        {"a completes to apple", kFruit, temEdit, {"a"}, "apple", 1, 4, true, 0, true},
        {"p, r then give apricot", kFruit, temEdit, {"a", "p", "r"}, "apricot", 3, 4, true, 1, true},
        {"a capital A takes the item's own a", kFruit, temEdit, {"A"}, "apple", 1, 4, true, 0, true},
        {"no item starts with it: the typed text stays", kFruit, temEdit, {"a", "x"}, "ax", 2, 0, false, -1, false},
        {"an empty list finds nothing", {}, temEdit, {"a"}, "a", 1, 0, false, -1, false},
        {"下 against 上午 and 下午", kDayHalves, temEdit, {"下"}, "下午", 2, 2, true, 1, true},
        {"上 against 上午 and 下午", kDayHalves, temEdit, {"上"}, "上午", 2, 2, true, 0, true},
        {"午 starts no item", kDayHalves, temEdit, {"午"}, "午", 2, 0, false, -1, false},
        {"Backspace over a found tail searches one character less", kFruit, temEdit, {"a", "p", "r", "\b"}, "apple",
         2, 3, true, 0, true},
        {"Backspace to nothing empties the text", kFruit, temEdit, {"b", "\b"}, "", 0, 0, false, -1, false},
        {"Backspace drops a double-byte character whole", {"上午好", "上午"}, temEdit, {"上", "午", "\b"}, "上午好", 2, 4,
         true, 0, true},
        {"a list mode takes no text no item starts", kFruit, temEditList, {"x"}, "", 0, 0, false, -1, true},
        {"edit list: a found text keeps its find selection", kFruit, temEditList, {"b", "x"}, "banana", 1, 5, true, 2,
         true},
        {"edit list: whole items typed on and back", {"ab", "abc"}, temEditList, {"a", "b", "c", "\b"}, "ab", 2, 0,
         true, 0, true},
        {"fixed list: typing on after a found item", kFruit, temFixedList, {"b", "a"}, "banana", 2, 4, true, 2, true},
        {"fixed list: a key no start takes begins afresh", kFruit, temFixedList, {"a", "b"}, "banana", 1, 5, true, 2,
         true},
        {"fixed list: a key nothing takes leaves the item", kFruit, temFixedList, {"b", "a", "p"}, "banana", 2, 4,
         false, 2, true},
    };
    for (const auto& r : rows) {
        TStringLookupEditor edit(r.items, r.mode);
        bool taken = false;
        for (const std::string& k : r.keys)
            taken = k.size() == 2 ? edit.TypeChar(k) : edit.Type(k[0]);
        EXPECT_EQ(edit.Shown, r.text) << r.why;
        EXPECT_EQ(edit.Start, r.selStart) << r.why;
        EXPECT_EQ(edit.Length, r.selLength) << r.why;
        EXPECT_EQ(edit.Find, r.find) << r.why;
        EXPECT_EQ(edit.Data.CurrentKey(), r.key) << r.why;
        EXPECT_EQ(taken, r.lastTaken) << r.why;
        EXPECT_EQ(edit.LockDepth, 0) << r.why;
    }
}

TEST(IncrementalSearch, WhereTheSearchLeavesKeysAlone)
{
    struct Row {
        const char* why;
        TcxTextEditingMode mode;
        bool incremental;
        std::string text;
        int selStart, selLength;
        bool find;
        char key;
    };
    const Row rows[] = {
        {"incremental search off", temEdit, false, "", 0, 0, false, 'a'},
        {"the caret inside the text, nothing selected", temEdit, true, "ab", 1, 0, false, 'a'},
        {"a control character", temEdit, true, "", 0, 0, false, '\x01'},
        {"no editing at all", temNoEdit, true, "", 0, 0, false, 'a'},
        {"Backspace without a find selection", temEdit, true, "ap", 2, 0, false, '\b'},
    };
    for (const auto& r : rows) {
        TStringLookupEditor edit(kFruit, r.mode);
        edit.Incremental = r.incremental;
        edit.Shown = r.text;
        edit.Select(r.selStart, r.selLength);
        edit.Find = r.find;
        EXPECT_FALSE(cxIncrementalSearchKey(edit, r.key)) << r.why;
        EXPECT_EQ(edit.Shown, r.text) << r.why;
        EXPECT_EQ(edit.Data.CurrentKey(), -1) << r.why;
    }
}

TEST(IncrementalSearch, EditListBackspaceSelectsFromTheCaret)
{
    TStringLookupEditor edit({"ab", "abc", "b"}, temEditList);
    edit.Shown = "abc";
    edit.Select(2, 0);
    EXPECT_TRUE(edit.Type('\b'));
    // The text before the caret less one character completes to the first item.
    EXPECT_EQ(edit.Shown, "ab");
    EXPECT_EQ(edit.Start, 1);
    EXPECT_EQ(edit.Length, 1);
    EXPECT_TRUE(edit.Find);
    EXPECT_EQ(edit.Data.CurrentKey(), 0);
}

TEST(IncrementalSearch, FixedListWithoutFixedSelection)
{
    TStringLookupEditor edit(kFruit, temFixedList);
    edit.FixedSelection = false;
    EXPECT_TRUE(edit.Type('b'));
    EXPECT_TRUE(edit.Type('z')) << "a key no item takes is still taken";
    EXPECT_EQ(edit.Shown, "banana");
    EXPECT_TRUE(edit.Find) << "the find selection comes back";
    EXPECT_TRUE(edit.Type('\b'));
    EXPECT_FALSE(edit.Find) << "Backspace only clears the find selection";
    EXPECT_EQ(edit.Shown, "banana");
}

} // namespace
