// Test helper: while a TFreedMemoryTrap lives, every object made with new
// gets pages of its own, and deleting it takes those pages away, so a later
// read or write of the freed object faults at once instead of finding its
// old bytes. Link the object library classlib_freedmemory into the test
// program: it replaces the program's operator new and delete.
#pragma once

class TFreedMemoryTrap {
public:
    TFreedMemoryTrap();
    ~TFreedMemoryTrap();
    TFreedMemoryTrap(const TFreedMemoryTrap&) = delete;
    TFreedMemoryTrap& operator=(const TFreedMemoryTrap&) = delete;

    // Whether the trap could reserve its address space.
    static bool Armed();
};
