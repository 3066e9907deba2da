// Debian's giflib as a second opinion: files it writes from a description,
// and what it reads back from bytes. Host builds only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TGiflibFrame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    // Empty: the global table applies. 0x00RRGGBB entries.
    std::vector<std::uint32_t> localTable;
    // Hundredths; -1 for no control block.
    int delay = -1;
    int disposal = 0;
    int transparent = -1;
    std::vector<std::string> comments;
    // Top row first, one index a pixel.
    std::vector<std::uint8_t> indices;
};

struct TGiflibImage {
    int width = 0, height = 0;
    bool gif89 = false;
    std::vector<std::uint32_t> globalTable;
    // -1 for no loop block.
    int loopCount = -1;
    std::vector<TGiflibFrame> frames;
};

// giflib's file for the description.
std::string GiflibWrite(const TGiflibImage& image);
// false when giflib cannot read the bytes.
bool GiflibRead(const std::string& bytes, TGiflibImage& image);

struct GifFileType;
struct TGiflibClose {
    void operator()(GifFileType* gif) const;
};
using TGiflibFile = std::unique_ptr<GifFileType, TGiflibClose>;
// giflib's whole reading of the bytes (DGifSlurp); null when it cannot read them.
TGiflibFile GiflibSlurp(const std::string& bytes);
// giflib's EGifSpew of the description: screen, tables, control blocks and frames.
std::string GiflibSpew(const TGiflibImage& image);
