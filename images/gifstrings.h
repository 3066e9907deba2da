// The GIF codec's texts by resource identifier, and the errors that carry them.
#pragma once

#include <string>

enum TGifTextId : int {
    SGifBadSignature = 61092,
    SGifBadBitmapFormat = 61093,
    SGifBadColorCount = 61096,
    SGifUnknownExtension = 61097,
    SGifNothingToWrite = 61098,
    SGifSizeNotSupported = 61099,
    SGifDescription = 61100,
};

// The text of an identifier; a format text takes argument where it says %d.
std::string GifText(TGifTextId id, int argument = 0);
// EInvalidGraphicOperation with the identifier's text.
[[noreturn]] void RaiseGifError(TGifTextId id, int argument = 0);
// Structural damage of a stream: the class library's read error text.
[[noreturn]] void RaiseGifReadError();
