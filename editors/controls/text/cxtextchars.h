// Counting a GBK text's characters by byte offsets.
#pragma once

#include <cstddef>
#include <string>

// Bytes of the first `count` characters of text.
std::size_t cxBytesOfChars(const std::string& text, std::size_t count);
// The character boundary at a byte offset, or the next one after it.
std::size_t cxCharBoundaryFrom(const std::string& text, std::size_t offset);
// Offset of the first single-byte character c of text, or its length.
std::size_t cxFindSingleByteChar(const std::string& text, char c, std::size_t from = 0);
// Where the last character of text starts; 0 for an empty text.
std::size_t cxLastCharOffset(const std::string& text);
