// Start-up and shut-down of a program's units in one explicit order instead
// of static constructors: every unit starts before the first form, in list
// order, and ends after the last form, in reverse order.
#pragma once

#include <cstddef>
#include <span>

struct TUnit {
    const char* Name;
    void (*Initialize)();
    void (*Finalize)();
};

// Starts the units on construction and ends the ones it started on
// destruction; a unit whose start throws leaves the earlier ones ended.
class TUnitsStarted {
public:
    explicit TUnitsStarted(std::span<const TUnit> units);
    ~TUnitsStarted();
    TUnitsStarted(const TUnitsStarted&) = delete;
    TUnitsStarted& operator=(const TUnitsStarted&) = delete;

    // How many units are running now.
    std::size_t Started() const { return started_; }

private:
    void FinalizeStarted() noexcept;

    std::span<const TUnit> units_;
    std::size_t started_ = 0;
};
