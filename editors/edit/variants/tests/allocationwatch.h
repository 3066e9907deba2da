// Test helper: the largest single allocation made while a watch is open, so
// a test can tell a reader that allocates what a hostile length announces.
#pragma once

#include <cstddef>

class TAllocationWatch {
public:
    TAllocationWatch();
    ~TAllocationWatch();
    TAllocationWatch(const TAllocationWatch&) = delete;
    TAllocationWatch& operator=(const TAllocationWatch&) = delete;

    std::size_t Largest() const;
};
