#include "editors/controls/text/cxtexteditlookupdata.h"

#include <algorithm>

namespace {

// -1 for a key that is no number: Null, Empty.
int KeyOf(const Variant& key)
{
    return key.IsNull() || key.IsEmpty() ? -1 : key.ToInteger();
}

} // namespace

TcxCustomTextEditLookupData::TcxCustomTextEditLookupData(TPersistent* owner, IcxTextEditLookupOwner& edit)
    : TcxInterfacedPersistent(owner), edit_(edit)
{
}

int TcxCustomTextEditLookupData::GetItemCount() const
{
    return static_cast<int>(edit_.LookupItems().size());
}

std::string TcxCustomTextEditLookupData::GetItem(int index) const
{
    const std::span<const std::string> items = edit_.LookupItems();
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                : std::string();
}

int TcxCustomTextEditLookupData::GetIndexByText(const std::string& text) const
{
    return cxLookupIndexOf(edit_.LookupItems(), text);
}

std::string TcxCustomTextEditLookupData::GetDisplayText(const Variant& key) const
{
    return GetItem(KeyOf(key));
}

void TcxCustomTextEditLookupData::SetCurrentKey(int key)
{
    if (key < -1 || key >= GetItemCount())
        return;
    const bool changed = key != currentKey_;
    currentKey_ = key;
    SetItemIndex(key);
    if (changed && OnCurrentKeyChanged)
        OnCurrentKeyChanged(*this);
}

void TcxCustomTextEditLookupData::SetCurrentKey(const Variant& key)
{
    const int old = currentKey_;
    const int index = KeyOf(key);
    {
        TcxLookupTextLock lock(edit_);
        SetCurrentKey(index);
    }
    // The same key still selects its item when the editor shows another text.
    if (currentKey_ != old || (index >= 0 && index < GetItemCount() && GetItem(index) != edit_.LookupEditText()))
        NotifySelectItem();
}

bool TcxCustomTextEditLookupData::Search(std::string& text, std::string& tail, bool continueFromCurrent)
{
    return InternalSearch(text, tail, continueFromCurrent, false);
}

bool TcxCustomTextEditLookupData::InternalSearch(std::string& text, std::string& tail, bool continueFromCurrent,
                                                 bool exact)
{
    TcxLookupSearchResult result = cxLookupSearch(edit_.LookupItems(), text, continueFromCurrent ? itemIndex_ : -1,
                                                  exact, edit_.LookupSearchOptions());
    SetCurrentKeyIfGiven(result.Key);
    if (result.Found) {
        text = std::move(result.Text);
        tail = std::move(result.Tail);
    }
    return result.Found;
}

void TcxCustomTextEditLookupData::TextChanged()
{
    if (edit_.SettingEditMode())
        return;
    SetCurrentKeyIfGiven(cxLookupKeyForText(edit_.LookupItems(), itemIndex_, edit_.LookupEditText(),
                                            edit_.LookupSearchOptions()));
}

void TcxCustomTextEditLookupData::SyncSelected()
{
    if (!edit_.SettingEditMode())
        SetItemIndex(currentKey_);
}

void TcxCustomTextEditLookupData::SetItemIndex(int index)
{
    if (index < -1 || index >= GetItemCount() || (index == itemIndex_ && index != -1))
        return;
    // No visual list exists to follow it.
    itemIndex_ = index;
}

void TcxCustomTextEditLookupData::Go(int direction, bool cycle)
{
    const int count = GetItemCount();
    if (count == 0)
        return;
    const int last = count - 1, page = edit_.LookupPageSize();
    const int from = itemIndex_ != -1 ? itemIndex_ : currentKey_;
    int to = from;
    switch (direction) {
    case eldFirst:
        to = 0;
        break;
    case eldLast:
        to = last;
        break;
    case eldNext:
        to = from < last ? from + 1 : (cycle ? 0 : from);
        break;
    case eldPrev:
        to = from > 0 ? from - 1 : (cycle ? last : std::max(from, 0));
        break;
    case eldPageUp:
        to = from == 0 && cycle ? last : std::max(from - page + 1, 0);
        break;
    case eldPageDown:
        if (from == last && cycle)
            to = 0;
        else
            to = std::min(from == -1 ? page - 1 : from + page - 1, last);
        break;
    }
    if (edit_.RequestLookupEditing())
        SetCurrentKey(Variant(to));
}

void TcxCustomTextEditLookupData::SetCurrentKeyIfGiven(const std::optional<int>& key)
{
    if (key)
        SetCurrentKey(*key);
}

void TcxCustomTextEditLookupData::NotifySelectItem()
{
    if (OnSelectItem)
        OnSelectItem();
}
