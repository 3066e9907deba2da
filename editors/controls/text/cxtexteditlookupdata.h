// A text editor's lookup data: the current item among the lookup items of
// the properties in force, found by its whole text or by the start the user
// typed. Every text editor owns one and reaches it through
// IcxTextEditLookupData; what it reads of the editor comes through
// IcxTextEditLookupOwner (on Windows the editor's, in tests a stand-in).
#pragma once

#include <functional>
#include <span>
#include <string>

#include "classlib/variant.h"
#include "editors/controls/text/cxtexteditlookupdataintf.h"
#include "editors/controls/text/cxtextlookupsearch.h"
#include "editors/foundation/core/cxclasses.h"
#include "editors/foundation/core/cxgeometry.h"

class TcxCustomTextEditLookupData;

// Argument: the lookup data that tells.
using TcxLookupDataNotifyEvent = std::function<void(TcxCustomTextEditLookupData& Sender)>;

// What the lookup data reads of its editor and the properties in force.
class IcxTextEditLookupOwner {
public:
    virtual std::span<const std::string> LookupItems() const = 0;
    // The editing mode and the most-recently-used flag.
    virtual TcxLookupSearchOptions LookupSearchOptions() const = 0;
    virtual bool ImmediateUpdateText() const = 0;
    virtual int LookupPageSize() const = 0;
    // The text the editor shows.
    virtual std::string LookupEditText() const = 0;
    // While set, the editor ignores the lookup data's text changes.
    virtual void SetLookupTextLocked(bool value) = 0;
    // Set while the editor switches its edit mode.
    virtual bool SettingEditMode() const = 0;
    // Whether the user may change the value now (RequestEditing).
    virtual bool RequestLookupEditing() = 0;

protected:
    ~IcxTextEditLookupOwner() = default;
};

// The editor's lookup text locked for the life of the scope, through any
// port that has SetLookupTextLocked.
template <class Port>
class TcxLookupTextLock {
public:
    explicit TcxLookupTextLock(Port& port) : port_(port) { port_.SetLookupTextLocked(true); }
    ~TcxLookupTextLock() { port_.SetLookupTextLocked(false); }
    TcxLookupTextLock(const TcxLookupTextLock&) = delete;
    TcxLookupTextLock& operator=(const TcxLookupTextLock&) = delete;

private:
    Port& port_;
};

// Directions of Go: first, last, next, previous, a page up, a page down.
enum TcxEditLookupDirection { eldFirst, eldLast, eldNext, eldPrev, eldPageUp, eldPageDown };

class TcxCustomTextEditLookupData : public TcxInterfacedPersistent, public IcxTextEditLookupData {
public:
    TcxCustomTextEditLookupData(TPersistent* owner, IcxTextEditLookupOwner& edit);

    int GetItemCount() const;
    std::string GetItem(int index) const;
    // The first item equal to text without regard to case, else -1.
    int GetIndexByText(const std::string& text) const;
    // Ignored outside -1..count-1; the shown item follows.
    void SetCurrentKey(int key);
    // A prefix search from the start or after the shown item: text takes
    // the item's own first characters, tail the rest of the item.
    bool Search(std::string& text, std::string& tail, bool continueFromCurrent);

    // IcxTextEditLookupData
    bool CanResizeVisualArea() override { return true; }
    void CloseUp() override {}
    void Deinitialize() override {}
    void DropDown() override {}
    void DroppedDown() override {}
    // List navigation (only where the editor allows it): moves the current
    // key, around the ends when cycle is set.
    void Go(int direction, bool cycle) override;
    void Initialize() override {}
    bool IsEmpty() const override { return GetItemCount() == 0; }
    bool IsMouseOverList() override { return false; }
    bool Locate(std::string& text, std::string& tail, bool next) override { return Search(text, tail, next); }
    Variant GetCurrentKey() const override { return currentKey_; }
    // The item text of a key in range, else empty.
    std::string GetDisplayText(const Variant& key) const override;
    // The item shown as selected, -1 for none.
    int ItemIndex() const override { return itemIndex_; }
    // Locks the editor's lookup text meanwhile; tells OnSelectItem when the
    // key changed, or when it did not and the editor shows another text.
    void SetCurrentKey(const Variant& key) override;
    // Unless the shown item reads the editor's text already, the key of the
    // item equal to it.
    void TextChanged() override;
    void SetOnSelectItem(std::function<void()> handler) override { OnSelectItem = std::move(handler); }
    TSize GetVisualAreaPreferredSize() const { return cxMakeSize(0, 0); }

    int CurrentKey() const { return currentKey_; }
    // The shown item follows the current key again.
    void SyncSelected();

    TcxLookupDataNotifyEvent OnCurrentKeyChanged;
    std::function<void()> OnSelectItem;

protected:
    // Search with the exact flag: an equal item where the editor keeps its
    // most recently used ones, else the first item starting with text.
    bool InternalSearch(std::string& text, std::string& tail, bool continueFromCurrent, bool exact);
    void SetItemIndex(int index);

private:
    void SetCurrentKeyIfGiven(const std::optional<int>& key);
    void NotifySelectItem();

    IcxTextEditLookupOwner& edit_;
    int currentKey_ = -1;
    int itemIndex_ = -1;
};
