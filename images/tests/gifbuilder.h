// GIF streams made block by block for tests, seeds and benchmarks, and the
// model's frames read back as plain indices.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "images/gifmodel.h"
#include "images/gifpixels.h"

class TGifBuilder {
public:
    explicit TGifBuilder(const std::string& signature = "GIF89a") : bytes_(signature) {}

    // Logical screen descriptor; with tableBits a global table of grey ramps follows.
    TGifBuilder& Screen(int width, int height, int tableBits = 0, int background = 0);
    TGifBuilder& GraphicControl(int delayHundredths, int disposal = 0, int transparentIndex = -1);
    TGifBuilder& Comment(const std::vector<std::string>& blocks);
    TGifBuilder& Application(const std::string& identifier, const std::vector<std::string>& blocks, int sizeByte = 11);
    TGifBuilder& PlainText();
    // Image descriptor, local table (tableBits > 0) and the data as given.
    TGifBuilder& Image(int left, int top, int width, int height, const std::string& data, int tableBits = 0,
                       bool interlaced = false);
    TGifBuilder& Raw(const std::string& bytes);
    TGifBuilder& Trailer() { return Raw(";"); }
    const std::string& Bytes() const { return bytes_; }

private:
    void Byte(int b) { bytes_.push_back(static_cast<char>(b)); }
    void Word(int w) { Byte(w & 0xFF), Byte(w >> 8 & 0xFF); }
    void Table(int bits);
    void SubBlocks(const std::vector<std::string>& blocks);
    std::string bytes_;
};

// Image data from explicit codes and their widths: the minimum code size
// byte, sub-blocks and terminator.
std::string PackCodes(int minCodeSize, const std::vector<std::pair<int, int>>& codes);
// Image data of one index alone, in the longest chains: after each clear code
// the code about to be made, again and again, until the table is full,
// cycles times over; pixels is how many it holds.
std::string ChainData(int minCodeSize, int index, int cycles, std::int64_t& pixels);
// Image data from indices, by our own encoder.
std::string EncodeIndices(const std::vector<std::uint8_t>& indices, int width, int height, int bitCount);

// The model read from bytes (nothing decoded).
void ReadGif(TGIF_ImageModel& image, const std::string& bytes);
std::string WriteGif(TGIF_ImageModel& image);
// A frame encoded from indices and a palette of 2^bitCount entries.
void EncodeFrame(TGIF_FrameModel& frame, const std::vector<std::uint8_t>& indices, int width, int height, int bitCount,
                 const std::vector<std::uint32_t>& palette);

// An image model that can add frames, for tests.
class TTestGif : public TGIF_ImageModel {
public:
    TGIF_FrameModel& Add()
    {
        AppendFrame(CreateFrame());
        return FrameByIndex(FrameCount() - 1);
    }
};
