// What the fuzz targets share: values read off the input one after another,
// and a broken rule ending the run as a crash the fuzzer keeps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The next sizeof(T) bytes as a T; zeros for what the input lacks.
template <class T>
T Take(const std::uint8_t*& data, std::size_t& size)
{
    T v{};
    std::size_t n = std::min(sizeof v, size);
    std::memcpy(&v, data, n);
    data += n, size -= n;
    return v;
}

inline void Check(bool ok)
{
    if (!ok)
        std::abort();
}
