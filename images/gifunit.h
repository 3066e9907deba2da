// Small helpers the picture codecs share: zero-filled memory blocks and
// one-line integer and rectangle helpers. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A zero-filled block of size bytes; none for 0 or less. A positive size
// that cannot be had raises EOutOfMemory: callers write into the block.
void* AllocMemBlock(std::int64_t size);
// Frees the block when there is one and clears the variable.
void FreeMemBlock(void*& block);

inline void* OffsetBlock(void* p, std::ptrdiff_t bytes) { return static_cast<char*>(p) + bytes; }
void MoveBlock(void* dest, const void* src, std::size_t bytes);
inline void AssignText(const std::string& text, std::string& variable) { variable = text; }

inline std::int32_t IntMax(std::int32_t a, std::int32_t b) { return a > b ? a : b; }
inline std::int32_t IntMin(std::int32_t a, std::int32_t b) { return a < b ? a : b; }

// Works on any type with left, top, right and bottom (RECT, TRect).
template <class Rect>
int RectWidth(const Rect& r) { return r.right - r.left; }
template <class Rect>
int RectHeight(const Rect& r) { return r.bottom - r.top; }
