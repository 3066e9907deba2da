// What a text editor asks of its lookup data: the items of its properties,
// the current one, and the search that completes a typed text.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "classlib/variant.h"

class TcxCustomTextEdit;

// {F49C5F08-7758-4362-A360-1DF02354E708}
class IcxTextEditLookupData {
public:
    virtual ~IcxTextEditLookupData() = default;

    virtual bool CanResizeVisualArea() = 0;
    virtual void CloseUp() = 0;
    virtual void Deinitialize() = 0;
    virtual void DropDown() = 0;
    virtual void DroppedDown() = 0;
    // Moves in the list by direction code (0 first ... 5 page down).
    virtual void Go(int direction, bool cycle) = 0;
    virtual void Initialize() = 0;
    virtual bool IsEmpty() const = 0;
    virtual bool IsMouseOverList() = 0;
    virtual bool Locate(std::string& text, std::string& tail, bool next) = 0;
    // The current key: an item index as an integer, -1 for none.
    virtual Variant GetCurrentKey() const = 0;
    virtual std::string GetDisplayText(const Variant& key) const = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetCurrentKey(const Variant& key) = 0;
    // The editor's text changed other than by a search.
    virtual void TextChanged() = 0;
    // The editor's LookupItemSelected; called when an item was chosen.
    virtual void SetOnSelectItem(std::function<void()> handler) = 0;
};

// A lookup data class as a value: makes one for its editor.
using TcxTextEditLookupDataClass = std::unique_ptr<IcxTextEditLookupData> (*)(TcxCustomTextEdit& owner);
