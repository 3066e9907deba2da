#include "images/pngzlib.h"

#include "images/pngexceptions.h"

namespace {
int Checked(int result)
{
    if (result < 0 && result != Z_BUF_ERROR)
        throw EPNGZLIBError(result);
    return result;
}
} // namespace

TPngInflate::TPngInflate()
{
    Checked(inflateInit(&z_));
}

int TPngInflate::Inflate(int flush)
{
    // A preset dictionary is not part of PNG: inflate would wait for it forever.
    int result = inflate(&z_, flush);
    if (result == Z_NEED_DICT)
        throw EPNGZLIBError(result);
    return Checked(result);
}

void TPngInflate::Reset()
{
    Checked(inflateReset(&z_));
}

TPngDeflate::TPngDeflate(int level)
{
    if (level < 0 || level > 9)
        level = Z_DEFAULT_COMPRESSION;
    Checked(deflateInit(&z_, level));
}

int TPngDeflate::Deflate(int flush)
{
    return Checked(deflate(&z_, flush));
}
