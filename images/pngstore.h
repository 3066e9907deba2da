// The decoded pixels of a PNG image, laid out as a device-independent bitmap:
// rows bottom-up, padded to four bytes, blue-green-red for 24 bits, with the
// alpha samples and the low bytes of 16-bit samples in planes of their own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Where the rows live: on the heap here, in a DIB section on Windows.
class TPngRowBuffer {
public:
    virtual ~TPngRowBuffer() = default;
    // Zero-filled rows of the store's size.
    virtual std::uint8_t* Bits() = 0;
    // The store's palette entries changed.
    virtual void PaletteChanged() {}
};

struct TPngPixelStore {
    int width = 0;
    int height = 0;
    int dibBits = 0;               // 1, 4, 8 or 24
    std::size_t rowSize = 0;       // bytes of one row, padded to four
    // Entries as a DIB colour table holds them: 0x00RRGGBB.
    std::array<std::uint32_t, 256> palette{};
    int paletteCount = 0;
    bool hasPalette = false;
    std::vector<std::uint8_t> alpha;  // width x height, top-down; colour types 4 and 6
    std::vector<std::uint8_t> low;    // same layout as the rows; bit depth 16
    std::unique_ptr<TPngRowBuffer> buffer;
    std::uint8_t* bits = nullptr;

    // Row y counted from the top.
    std::uint8_t* Row(int y) const { return bits + static_cast<std::size_t>(height - 1 - y) * rowSize; }
    std::uint8_t* LowRow(int y) { return low.empty() ? nullptr : low.data() + static_cast<std::size_t>(height - 1 - y) * rowSize; }
    std::uint8_t* AlphaRow(int y) { return alpha.empty() ? nullptr : alpha.data() + static_cast<std::size_t>(y) * width; }
};

// A store larger than this, with its planes, is refused before allocating.
constexpr std::uint64_t kPngMaxStoreBytes = 256u << 20;

// Bytes of a row of width pixels at bits per pixel, padded to four bytes.
constexpr std::uint64_t PngDibRowSize(std::uint64_t width, int bits) { return (bits * width + 31) / 32 * 4; }
