// The codec's lists: a growable list of owned items whose reads and writes
// outside the list do nothing, and the chunk list of an image.
#pragma once

#include <cstddef>
#include <memory>
#include <typeinfo>
#include <vector>

#include "images/pngchunk.h"

template <class Item>
class TPNGPointerList {
public:
    std::size_t Count() const { return items_.size(); }
    // None outside the list.
    Item* Get(std::size_t index) const { return index < items_.size() ? items_[index].get() : nullptr; }
    // Ignored outside the list.
    void Set(std::size_t index, std::unique_ptr<Item> item)
    {
        if (index < items_.size())
            items_[index] = std::move(item);
    }
    // The list grows geometrically, so a file of many chunks loads in linear time.
    Item& Add(std::unique_ptr<Item> item) { return *items_.emplace_back(std::move(item)); }
    // Takes out the last entry that is item and closes the gap; none when absent.
    std::unique_ptr<Item> Remove(const Item* item)
    {
        for (std::size_t i = items_.size(); i-- > 0;)
            if (items_[i].get() == item) {
                std::unique_ptr<Item> taken = std::move(items_[i]);
                items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
                return taken;
            }
        return nullptr;
    }
    // New entries are none; 0 frees everything.
    void SetSize(std::size_t size)
    {
        items_.resize(size);
        if (size == 0)
            items_.shrink_to_fit();
    }
    void Clear() { SetSize(0); }
    void Reserve(std::size_t capacity) { items_.reserve(capacity); }

private:
    std::vector<std::unique_ptr<Item>> items_;
};

class TPNGList : public TPNGPointerList<TChunk> {
public:
    // The first chunk of exactly that class, or none.
    template <class Chunk>
    Chunk* ItemFromClass() const
    {
        for (std::size_t i = 0; i < Count(); ++i) {
            TChunk& chunk = *Get(i);
            if (typeid(chunk) == typeid(Chunk))
                return static_cast<Chunk*>(&chunk);
        }
        return nullptr;
    }
};
