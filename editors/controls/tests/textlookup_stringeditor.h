// A text editor reduced to a string, a selection and lookup items: the
// lookup data and incremental search run on it as on the real editor, and
// keys they leave go in as the EDIT would put them.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "editors/controls/text/cxtextincrementalsearch.h"

class TStringLookupEditor : public IcxTextEditLookupOwner, public TcxIncrementalSearchPort {
public:
    explicit TStringLookupEditor(std::vector<std::string> items, TcxTextEditingMode mode = temEdit)
        : Items(std::move(items)), Mode(mode)
    {
    }

    // IcxTextEditLookupOwner
    std::span<const std::string> LookupItems() const override { return Items; }
    TcxLookupSearchOptions LookupSearchOptions() const override { return {Mode, MostRecentlyUsed}; }
    bool ImmediateUpdateText() const override { return false; }
    int LookupPageSize() const override { return 8; }
    std::string LookupEditText() const override { return Shown; }
    void SetLookupTextLocked(bool value) override { LockDepth += value ? 1 : -1; }
    bool SettingEditMode() const override { return false; }
    bool RequestLookupEditing() override { return MayEdit; }

    // TcxIncrementalSearchPort
    IcxTextEditLookupData& LookupData() override { return Data; }
    TcxTextEditingMode EditingMode() const override { return Mode; }
    bool IncrementalSearch() const override { return Incremental; }
    bool FixedListSelection() const override { return FixedSelection; }
    std::string Text() const override { return Shown; }
    int SelStart() const override { return Start; }
    int SelLength() const override { return Length; }
    void Select(int start, int length) override
    {
        Start = start;
        Length = length;
    }
    bool FindSelection() const override { return Find; }
    void SetFindSelection(bool value) override { Find = value; }
    void ApplyDisplayText(const std::string& text) override
    {
        Shown = text;
        Start = Length = 0;
    }
    char PendingSecondByte() const override { return Pending; }

    // A key as the editor's key press sees it; one the search leaves goes
    // into the text as the EDIT would put it. pending: the trail byte that
    // comes with a lead byte. Answers whether the search took the key.
    bool Type(char key, char pending = '\0')
    {
        Pending = pending;
        const bool taken = cxIncrementalSearchKey(*this, key);
        Pending = '\0';
        if (!taken)
            Leave(std::string(1, key));
        return taken;
    }
    // A double-byte character: both bytes run the key press; when neither
    // was taken the pair goes in at once.
    bool TypeChar(const std::string& pair)
    {
        Pending = pair[1];
        const bool leadTaken = cxIncrementalSearchKey(*this, pair[0]);
        Pending = '\0';
        const bool trailTaken = cxIncrementalSearchKey(*this, pair[1]);
        if (!leadTaken && !trailTaken)
            Leave(pair);
        return leadTaken || trailTaken;
    }

    std::vector<std::string> Items;
    TcxTextEditingMode Mode;
    bool MostRecentlyUsed = false;
    bool Incremental = true;
    bool FixedSelection = true;
    bool MayEdit = true;
    std::string Shown;
    int Start = 0, Length = 0;
    bool Find = false;
    char Pending = '\0';
    int LockDepth = 0;
    TcxCustomTextEditLookupData Data{nullptr, *this};

private:
    void Leave(const std::string& typed)
    {
        if (typed == "\b" && Length == 0 && Start > 0) {
            --Start;
            Length = 1;
        }
        const std::size_t start = std::min(static_cast<std::size_t>(std::max(Start, 0)), Shown.size());
        const std::size_t length = std::min(static_cast<std::size_t>(std::max(Length, 0)), Shown.size() - start);
        const std::string put = typed == "\b" ? std::string() : typed;
        Shown = Shown.substr(0, start) + put + Shown.substr(start + length);
        Start = static_cast<int>(start + put.size());
        Length = 0;
    }
};
