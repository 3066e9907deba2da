#include "editors/foundation/core/cxregisteredclasses.h"

#include <algorithm>
#include <numeric>

#include "editors/foundation/core/cxtext.h"

bool TcxRegisteredClassList::Find(const TcxClass* aClass, int& index) const
{
    if (!aClass)
        return false;
    for (int i = Count() - 1; i >= 0; --i) {
        const TcxClass* item = items_[i].ItemClass;
        if (aClass->InheritsFrom(item)) {
            index = i;
            return true;
        }
        if (item->InheritsFrom(aClass))
            index = i;
    }
    return false;
}

void TcxRegisteredClassList::Register(const TcxClass* itemClass, const TcxClass* registeredClass)
{
    if (!itemClass)
        return;
    int index = -1;
    if (Find(itemClass, index))
        ++index;
    else if (index == -1)
        index = Count();
    items_.insert(items_.begin() + index, {itemClass, registeredClass});
}

void TcxRegisteredClassList::Unregister(const TcxClass* itemClass, const TcxClass* registeredClass)
{
    std::erase_if(items_, [&](const TcxRegisteredClassListItemData& d) {
        return d.ItemClass == itemClass && d.RegisteredClass == registeredClass;
    });
}

const TcxClass* TcxRegisteredClassList::GetClass(const TcxClass* aClass) const
{
    int index = -1;
    return Find(aClass, index) ? items_[index].RegisteredClass : nullptr;
}

void TcxRegisteredClasses::Register(const TcxClass* aClass, const std::string& description)
{
    if (!aClass || IndexOfClass(aClass) != -1)
        return;
    items_.push_back({description, aClass});
    if (sorted_)
        Sort();
    if (registerWithLibrary_ && aClass->Factory)
        RegisterComponentClass(aClass->Name, aClass->Factory);
}

void TcxRegisteredClasses::Unregister(const TcxClass* aClass)
{
    if (int i = IndexOfClass(aClass); i != -1)
        items_.erase(items_.begin() + i);
}

std::string TcxRegisteredClasses::Descriptions(int index) const
{
    return cxTextBeforeSeparator(items_[index].Text);
}

int TcxRegisteredClasses::IndexOfClass(const TcxClass* aClass) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const TItem& item) { return item.Class == aClass; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TcxRegisteredClasses::SetSorted(bool value)
{
    if (sorted_ == value)
        return;
    sorted_ = value;
    if (sorted_)
        Sort();
}

int TcxRegisteredClasses::CompareItems(int index1, int index2) const
{
    return cxAnsiCompareText(Descriptions(index1), Descriptions(index2));
}

void TcxRegisteredClasses::Sort()
{
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return CompareItems(a, b) < 0; });
    std::vector<TItem> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(items_[i]);
    items_ = std::move(sorted);
}
