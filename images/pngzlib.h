// zlib streams that end themselves, for the image data and compressed text.
#pragma once

#include <zlib.h>

class TPngInflate {
public:
    TPngInflate();
    ~TPngInflate() { inflateEnd(&z_); }
    TPngInflate(const TPngInflate&) = delete;
    TPngInflate& operator=(const TPngInflate&) = delete;
    z_stream* operator->() { return &z_; }
    // inflate's result; below zero and a dictionary request raise EPNGZLIBError,
    // Z_BUF_ERROR only asks for more.
    int Inflate(int flush = Z_NO_FLUSH);
    // Ready for a new stream, keeping zlib's memory.
    void Reset();

private:
    z_stream z_{};
};

class TPngDeflate {
public:
    explicit TPngDeflate(int level);
    ~TPngDeflate() { deflateEnd(&z_); }
    TPngDeflate(const TPngDeflate&) = delete;
    TPngDeflate& operator=(const TPngDeflate&) = delete;
    z_stream* operator->() { return &z_; }
    int Deflate(int flush);

private:
    z_stream z_{};
};
