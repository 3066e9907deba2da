// Owner of a shell item-id list, which the shell allocates with the task allocator.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <memory>

struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using UniqueItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;
