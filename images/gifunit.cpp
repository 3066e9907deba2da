#include "images/gifunit.h"

#include <cstdlib>
#include <cstring>

#include "classlib/exceptions.h"

void* AllocMemBlock(std::int64_t size)
{
    if (size <= 0)
        return nullptr;
    // A 32-bit process never has a gigabyte in one piece; asking would only
    // fail later or, under the sanitizers, abort.
    if (size > (std::int64_t{1} << 30))
        throw EOutOfMemory("Out of memory");
    void* block = std::calloc(static_cast<std::size_t>(size), 1);
    if (!block)
        throw EOutOfMemory("Out of memory");
    return block;
}

void FreeMemBlock(void*& block)
{
    std::free(block);
    block = nullptr;
}

void MoveBlock(void* dest, const void* src, std::size_t bytes)
{
    if (bytes)
        std::memmove(dest, src, bytes);
}
