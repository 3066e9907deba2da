// Freed blocks are overwritten before they go back to the heap, so a call
// through a freed object faults instead of finding its old values.
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

void operator delete(void* memory) noexcept
{
    if (!memory)
        return;
    std::memset(memory, 0xDD, _msize(memory));
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    ::operator delete(memory);
}
