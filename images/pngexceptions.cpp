#include "images/pngexceptions.h"

#define VOSTREL_PNG_TEXT(Name, text) \
    Name::Name() : Exception(text) {}

VOSTREL_PNG_TEXT(EPNGInvalidFileHeader,
    "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid header."
    " This file may be corruped, try obtaining it again.")
VOSTREL_PNG_TEXT(EPngUnexpectedEnd,
    "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file.")
VOSTREL_PNG_TEXT(EPNGIHDRNotFirst,
    "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not the first)")
VOSTREL_PNG_TEXT(EPNGUnknownCriticalChunk,
    "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded.")
VOSTREL_PNG_TEXT(EPngInvalidCRC,
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc error)")
VOSTREL_PNG_TEXT(EPngInvalidIHDR,
    "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) might be corrupted")
VOSTREL_PNG_TEXT(EPNGSizeExceeds,
    "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the maximum size,"
    " which is 65535 pixels length.")
VOSTREL_PNG_TEXT(EPNGUnknownCompression,
    "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could not be decoded.")
VOSTREL_PNG_TEXT(EPNGUnknownInterlace,
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be decoded.")
VOSTREL_PNG_TEXT(EPNGMissingMultipleIDAT,
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.")
VOSTREL_PNG_TEXT(EPNGInvalidPalette, "The \"Portable Network Graphics\" image contains an invalid palette.")
VOSTREL_PNG_TEXT(EPNGNoImageData, "This \"Portable Network Graphics\" image contains no data.")
VOSTREL_PNG_TEXT(EPNGHeaderNotPresent, "This operation is not valid because the current image contains no valid header.")
VOSTREL_PNG_TEXT(EPNGInvalidNewSize, "The new size provided for image resizing is invalid.")
VOSTREL_PNG_TEXT(EPNGOutMemory,
    "Some operation could not be performed because the system is out of resources. Close some windows and try again.")

#undef VOSTREL_PNG_TEXT

const char* const kPngIncompatibleChunks = "The chunks must be compatible to be assigned.";
const char* const kPngNoSuchPaletteEntry = "There is no such palette entry.";

std::string PngZlibResultText(int zlibResult)
{
    static const char* const texts[] = {"incompatible version (-6)", "buffer error (-5)", "insufficient memory (-4)",
                                        "data error (-3)", "stream error (-2)", "file error (-1)", "(0)",
                                        "stream end (1)", "need dictionary (2)"};
    if (zlibResult < -6 || zlibResult > 2)
        return std::string("(").append(std::to_string(zlibResult)).append(")");
    return texts[zlibResult + 6];
}

EPNGZLIBError::EPNGZLIBError(int zlibResult)
    : Exception("Could not decompress the image because it contains invalid compressed data.\r\n Description: "
                + PngZlibResultText(zlibResult))
{
}
