// Liveness of objects that user code may free. The object holds a TLife;
// code about to call out (an event handler, a broadcast to children) takes
// a TLiveness from it first and touches the object afterwards only while
// that still answers true.
#pragma once

#include <atomic>
#include <memory>
#include <optional>

class TLiveness {
public:
    TLiveness() = default;
    // True while the object it was taken from has not begun to go.
    explicit operator bool() const { return alive_ && alive_->load(std::memory_order_acquire); }

private:
    friend class TLife;
    explicit TLiveness(std::shared_ptr<const std::atomic<bool>> alive) : alive_(std::move(alive)) {}

    std::shared_ptr<const std::atomic<bool>> alive_;
};

class TLife {
public:
    TLife() = default;
    TLife(const TLife&) = delete;
    TLife& operator=(const TLife&) = delete;
    ~TLife() { End(); }

    TLiveness Watch() const { return TLiveness(alive_); }
    // Every TLiveness taken turns false; taken from any thread.
    void End() { alive_->store(false, std::memory_order_release); }

private:
    std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
};

// Sets a flag of an object for one scope and puts back what it held when
// the scope ends, however it ends, unless the object went meanwhile.
class TFlagScope {
public:
    TFlagScope(TLiveness owner, bool& flag, bool value = true) : owner_(std::move(owner)), flag_(flag), old_(flag)
    {
        flag_ = value;
    }
    ~TFlagScope()
    {
        if (owner_)
            flag_ = old_;
    }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    TLiveness owner_;
    bool& flag_;
    bool old_;
};

// Raises a count of an object for one scope and lowers it when the scope
// ends, however it ends; given the object's liveness, only while it lives.
class TCountScope {
public:
    explicit TCountScope(int& count) : count_(count) { ++count_; }
    TCountScope(TLiveness owner, int& count) : owner_(std::move(owner)), count_(count) { ++count_; }
    ~TCountScope()
    {
        if (!owner_ || *owner_)
            --count_;
    }
    TCountScope(const TCountScope&) = delete;
    TCountScope& operator=(const TCountScope&) = delete;

private:
    std::optional<TLiveness> owner_;
    int& count_;
};
