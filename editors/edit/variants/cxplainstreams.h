// Plain values on a stream, little-endian, as the value types store them:
// AnsiString and WideString with a 4-byte length before the characters,
// Smallint and Word 2 bytes, Integer 4, Boolean 1, Float the 10-byte
// extended, Currency the 8-byte integer of value x 10000, DateTime an 8-byte
// double, LargeInt 8 bytes. A stream too short for what it announces raises
// EReadError before anything is allocated.
#pragma once

#include <cstdint>
#include <string>

#include "classlib/streams.h"

std::string ReadAnsiString(TStream& stream);
std::u16string ReadWideString(TStream& stream);
std::int16_t ReadSmallint(TStream& stream);
std::uint16_t ReadWord(TStream& stream);
std::int32_t ReadInteger(TStream& stream);
bool ReadBoolean(TStream& stream);
double ReadFloat(TStream& stream);
std::int64_t ReadCurrency(TStream& stream);
double ReadDateTime(TStream& stream);
std::int64_t ReadLargeInt(TStream& stream);

// EWriteError for a text longer than a 4-byte length can say.
void WriteAnsiString(TStream& stream, const std::string& value);
void WriteWideString(TStream& stream, const std::u16string& value);
void WriteSmallint(TStream& stream, std::int16_t value);
void WriteWord(TStream& stream, std::uint16_t value);
void WriteInteger(TStream& stream, std::int32_t value);
void WriteBoolean(TStream& stream, bool value);
void WriteFloat(TStream& stream, double value);
void WriteCurrency(TStream& stream, std::int64_t value);
void WriteDateTime(TStream& stream, double value);
void WriteLargeInt(TStream& stream, std::int64_t value);

// The bytes between the position and the end.
std::int64_t cxStreamBytesLeft(TStream& stream);
// EReadError unless count units of unitSize bytes remain to be read.
void cxCheckStreamHolds(TStream& stream, std::uint64_t count, std::uint64_t unitSize);
// count bytes from the stream into a string, checked first.
std::string cxReadStreamBytes(TStream& stream, std::uint64_t count);
// count UTF-16 characters, checked first.
std::u16string cxReadStreamChars(TStream& stream, std::uint64_t count);
