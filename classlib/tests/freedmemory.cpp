#include "classlib/tests/freedmemory.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
constexpr std::size_t kPage = 4096;
// Address space only: pages are committed per object and given back on delete.
constexpr std::size_t kRegionSize = sizeof(void*) == 8 ? std::size_t{8} << 30 : std::size_t{256} << 20;
// Before each object: its page count; keeps the object 16-byte aligned.
constexpr std::size_t kHeader = 16;

char* region = nullptr;
std::atomic<std::size_t> used{0};
std::atomic<int> trapping{0};

bool InRegion(const void* p)
{
    const char* c = static_cast<const char*>(p);
    return region && c >= region && c < region + kRegionSize;
}

void* TrappedAlloc(std::size_t size)
{
    std::size_t pages = (size + kHeader + kPage - 1) / kPage;
    // The page after each object stays uncommitted, so a run past its end faults too.
    std::size_t span = (pages + 1) * kPage;
    std::size_t offset = used.fetch_add(span);
    if (offset + span > kRegionSize)
        return nullptr;
    auto* block = static_cast<char*>(VirtualAlloc(region + offset, pages * kPage, MEM_COMMIT, PAGE_READWRITE));
    if (!block)
        return nullptr;
    *reinterpret_cast<std::size_t*>(block) = pages;
    return block + kHeader;
}

void TrappedFree(void* p)
{
    char* block = static_cast<char*>(p) - kHeader;
    // Freed twice: this read faults, as it should.
    std::size_t pages = *reinterpret_cast<std::size_t*>(block);
    VirtualFree(block, pages * kPage, MEM_DECOMMIT);
}
} // namespace

TFreedMemoryTrap::TFreedMemoryTrap()
{
    if (!region)
        region = static_cast<char*>(VirtualAlloc(nullptr, kRegionSize, MEM_RESERVE, PAGE_NOACCESS));
    ++trapping;
}

TFreedMemoryTrap::~TFreedMemoryTrap()
{
    --trapping;
}

bool TFreedMemoryTrap::Armed()
{
    return region != nullptr;
}

void* operator new(std::size_t size)
{
    if (size == 0)
        size = 1;
    if (trapping.load() > 0 && region)
        if (void* p = TrappedAlloc(size))
            return p;
    if (void* p = std::malloc(size))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return ::operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return ::operator new(size, std::nothrow);
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    if (InRegion(p))
        TrappedFree(p);
    else
        std::free(p);
}

void operator delete[](void* p) noexcept
{
    ::operator delete(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    ::operator delete(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    ::operator delete(p);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    ::operator delete(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    ::operator delete(p);
}
