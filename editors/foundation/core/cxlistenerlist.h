// Listeners told in turn. While a walk goes on, a listener removed (one
// that is freed removes itself) is never told, one added waits for the next
// walk, and each other is told exactly once; walks may nest, and the list
// itself may go during one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

template <class T>
class TcxListenerList {
public:
    TcxListenerList() = default;
    TcxListenerList(const TcxListenerList&) = delete;
    TcxListenerList& operator=(const TcxListenerList&) = delete;
    ~TcxListenerList()
    {
        for (TWalk* walk = walks_; walk; walk = walk->Outer)
            walk->ListGone = true;
    }

    // False for nullptr and for one listed already.
    bool Add(T* listener)
    {
        if (!listener || Contains(listener))
            return false;
        items_.push_back(listener);
        return true;
    }
    // False for one not listed. A walk keeps its place: the slot empties.
    bool Remove(T* listener)
    {
        auto found = std::ranges::find(items_, listener);
        if (!listener || found == items_.end())
            return false;
        if (walks_)
            *found = nullptr;
        else
            items_.erase(found);
        return true;
    }
    bool Contains(const T* listener) const
    {
        return listener && std::ranges::find(items_, listener) != items_.end();
    }
    int Count() const { return static_cast<int>(items_.size() - std::ranges::count(items_, static_cast<T*>(nullptr))); }

    // Tells each listener listed when the walk begins, first to last or,
    // backward, last to first. False when the list went meanwhile: its
    // owner is then gone too, or going.
    template <class F>
    bool ForEach(F&& tell, bool backward = false)
    {
        TWalk walk(*this);
        const std::size_t count = items_.size();
        for (std::size_t n = 0; n < count && !walk.ListGone; ++n)
            if (T* listener = items_[backward ? count - 1 - n : n])
                tell(*listener);
        return !walk.ListGone;
    }

private:
    struct TWalk {
        explicit TWalk(TcxListenerList& list) : List(list), Outer(list.walks_) { list.walks_ = this; }
        ~TWalk()
        {
            if (ListGone)
                return;
            List.walks_ = Outer;
            if (!Outer)
                std::erase(List.items_, static_cast<T*>(nullptr));
        }
        TWalk(const TWalk&) = delete;
        TWalk& operator=(const TWalk&) = delete;

        TcxListenerList& List;
        TWalk* Outer;
        bool ListGone = false;
    };

    std::vector<T*> items_;
    TWalk* walks_ = nullptr;
};
