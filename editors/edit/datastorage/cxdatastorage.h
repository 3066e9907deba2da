// The value-type class list and the unit's start-up, which registers the
// fourteen value types in their order and removes them in reverse at the end.
#pragma once

#include <vector>

#include "editors/edit/datastorage/cxvaluetypes.h"

class TcxValueTypeClassList {
public:
    // Adds a class that is not listed yet.
    void RegisterItem(TcxValueTypeClass item);
    void UnregisterItem(TcxValueTypeClass item);
    int Count() const { return static_cast<int>(items_.size()); }
    TcxValueTypeClass Items(int index) const { return items_[static_cast<std::size_t>(index)]; }

private:
    std::vector<TcxValueTypeClass> items_;
};

// The single list, made on first use.
TcxValueTypeClassList& cxValueTypeClassList();

// Counted: the first start registers, the last end unregisters and frees the list.
void cxDataStorageInitialize();
void cxDataStorageFinalize();
