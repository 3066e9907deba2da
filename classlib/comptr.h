// Owner of one COM interface pointer: released once, when the owner goes.
#pragma once

#include <unknwn.h>

#include <utility>

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept
    {
        if (this != &o) {
            reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For functions that hand back a new reference.
    T** put()
    {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    void reset()
    {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }

    // The other interface of the same object, or an empty pointer.
    template <class U>
    ComPtr<U> as(REFIID iid) const
    {
        ComPtr<U> other;
        if (p_)
            p_->QueryInterface(iid, other.put_void());
        return other;
    }

private:
    T* p_ = nullptr;
};
