// The PNG codec's failures, each with its own fixed text.
#pragma once

#include <string>

#include "classlib/exceptions.h"

#define VOSTREL_PNG_EXCEPTION(Name) \
    class Name : public Exception { \
    public: \
        Name(); \
    }

VOSTREL_PNG_EXCEPTION(EPNGInvalidFileHeader);
VOSTREL_PNG_EXCEPTION(EPngUnexpectedEnd);
VOSTREL_PNG_EXCEPTION(EPNGIHDRNotFirst);
VOSTREL_PNG_EXCEPTION(EPNGUnknownCriticalChunk);
VOSTREL_PNG_EXCEPTION(EPngInvalidCRC);
VOSTREL_PNG_EXCEPTION(EPngInvalidIHDR);
VOSTREL_PNG_EXCEPTION(EPNGSizeExceeds);
VOSTREL_PNG_EXCEPTION(EPNGUnknownCompression);
VOSTREL_PNG_EXCEPTION(EPNGUnknownInterlace);
VOSTREL_PNG_EXCEPTION(EPNGMissingMultipleIDAT);
VOSTREL_PNG_EXCEPTION(EPNGInvalidPalette);
VOSTREL_PNG_EXCEPTION(EPNGNoImageData);
VOSTREL_PNG_EXCEPTION(EPNGHeaderNotPresent);
VOSTREL_PNG_EXCEPTION(EPNGInvalidNewSize);
VOSTREL_PNG_EXCEPTION(EPNGOutMemory);

#undef VOSTREL_PNG_EXCEPTION

// zlib reported a result below zero.
class EPNGZLIBError : public Exception {
public:
    explicit EPNGZLIBError(int zlibResult);
};

// Misuse of chunks or palette entries; the text says which.
class EPngError : public Exception {
public:
    using Exception::Exception;
};

extern const char* const kPngIncompatibleChunks;
extern const char* const kPngNoSuchPaletteEntry;

// zlib's result as the codec words it, "data error (-3)".
std::string PngZlibResultText(int zlibResult);
