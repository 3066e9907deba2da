// The typed variant stream: one tag byte naming the kind, then its payload,
// little-endian. Arrays are one-dimensional, their elements typed variants.
#pragma once

#include "classlib/streams.h"
#include "classlib/variant.h"

// Deepest array nesting a stream may hold.
constexpr int cxTypedVariantMaxNesting = 64;

// An unknown tag, a length or count past the stream's end, a negative count or
// nesting deeper than cxTypedVariantMaxNesting raise EReadError "Stream read
// error" and leave value as it was.
void ReadTypedVariant(TStream& stream, Variant& value);
// A multi-dimensional array, or a value whose text cannot be had, raises
// EWriteError "Stream write error".
void WriteTypedVariant(TStream& stream, const Variant& value);
