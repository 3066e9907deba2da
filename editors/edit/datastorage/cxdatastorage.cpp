#include "editors/edit/datastorage/cxdatastorage.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

std::unique_ptr<TcxValueTypeClassList> list;
int starts = 0;

const TcxValueTypeClass kRegistered[] = {
    &TcxStringValueType::Instance,   &TcxWideStringValueType::Instance,   &TcxSmallintValueType::Instance,
    &TcxIntegerValueType::Instance,  &TcxWordValueType::Instance,         &TcxBooleanValueType::Instance,
    &TcxFloatValueType::Instance,    &TcxCurrencyValueType::Instance,     &TcxDateTimeValueType::Instance,
    &TcxLargeIntValueType::Instance, &TcxFMTBcdValueType::Instance,       &TcxSQLTimeStampValueType::Instance,
    &TcxVariantValueType::Instance,  &TcxObjectValueType::Instance,
};

} // namespace

void TcxValueTypeClassList::RegisterItem(TcxValueTypeClass item)
{
    if (std::find(items_.begin(), items_.end(), item) == items_.end())
        items_.push_back(item);
}

void TcxValueTypeClassList::UnregisterItem(TcxValueTypeClass item)
{
    std::erase(items_, item);
}

TcxValueTypeClassList& cxValueTypeClassList()
{
    if (!list)
        list = std::make_unique<TcxValueTypeClassList>();
    return *list;
}

void cxDataStorageInitialize()
{
    if (starts++ > 0)
        return;
    for (TcxValueTypeClass item : kRegistered)
        cxValueTypeClassList().RegisterItem(item);
}

void cxDataStorageFinalize()
{
    if (starts == 0 || --starts > 0)
        return;
    for (auto item = std::rbegin(kRegistered); item != std::rend(kRegistered); ++item)
        cxValueTypeClassList().UnregisterItem(*item);
    list.reset();
}
