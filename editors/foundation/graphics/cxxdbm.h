// The library's compressed bitmap stream: a 10-byte header (coded length,
// signature "XDBM", version 1) and the class library's bitmap file coded in
// runs. A control byte with bit 7 set is followed by that many literal bytes
// (low seven bits); one with bit 7 clear by one byte repeated that often.
// Platform-free: the bitmaps, the host tests and the fuzzer share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/bitmapfile.h"

class TStream;

constexpr std::size_t kcxXdbmHeaderSize = 10;
constexpr std::size_t kcxXdbmMaxRun = 125;

// The runs for the plain bytes.
std::vector<std::uint8_t> cxXdbmEncode(const std::uint8_t* data, std::size_t size);
// The plain bytes of exactly `size` coded bytes; a run that crosses their end
// is EReadError "Stream read error", as is an output beyond a bitmap's cap.
std::vector<std::uint8_t> cxXdbmDecode(const std::uint8_t* data, std::size_t size);

// Header and runs for the plain stream.
void cxWriteXdbmStream(TStream& dest, const std::uint8_t* plain, std::size_t size);
// The plain bytes behind an "XDBM" header at the position (the stream then
// ends past them); false, and the position as it was, without the signature.
bool cxReadXdbmStream(TStream& source, std::vector<std::uint8_t>& plain);
// The plain bitmap stream from the position: the decoded runs behind an
// "XDBM" header, else the bytes themselves read as a bitmap file. The stream
// ends past what was read; EReadError or EInvalidGraphic for bad data.
TBitmapFileImage cxReadBitmapStream(TStream& source);
