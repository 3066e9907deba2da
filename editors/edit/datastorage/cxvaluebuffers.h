// Reading and writing values in raw record buffers, which need not be
// aligned for the value's type, and the pointer slots that hold cells.
#pragma once

#include <cstring>

template <class T>
T cxBufferValue(const void* buffer)
{
    T value;
    std::memcpy(&value, buffer, sizeof value);
    return value;
}

template <class T>
void cxSetBufferValue(void* buffer, const T& value)
{
    std::memcpy(buffer, &value, sizeof value);
}

// The cell a pointer slot holds, or nullptr.
template <class T>
T* cxBufferCell(const void* slot)
{
    return cxBufferValue<T*>(slot);
}

// The slot's cell, made (value-initialised) when there is none.
template <class T>
T& cxBufferCellMade(void* slot)
{
    T* cell = cxBufferCell<T>(slot);
    if (!cell) {
        cell = new T();
        cxSetBufferValue(slot, cell);
    }
    return *cell;
}

// Frees the slot's cell; the slot then holds none.
template <class T>
void cxBufferCellFree(void* slot)
{
    delete cxBufferCell<T>(slot);
    cxSetBufferValue<T*>(slot, nullptr);
}

// None equals none and sorts first; cells compare as compare says.
template <class T, class Compare>
int cxCompareCells(const void* a, const void* b, Compare compare)
{
    auto* x = static_cast<const T*>(a);
    auto* y = static_cast<const T*>(b);
    if (!x || !y)
        return x ? 1 : y ? -1 : 0;
    return compare(*x, *y);
}

// -1, 0 or 1 by the order of a and b.
template <class T>
int cxSign(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}
