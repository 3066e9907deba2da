// A bounds-checked cursor over the bytes of a GIF stream held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "images/gifstrings.h"

class TGifReader {
public:
    TGifReader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool Exhausted() const { return pos_ >= size_; }
    std::size_t Left() const { return size_ - pos_; }
    std::uint8_t Byte()
    {
        if (Exhausted())
            RaiseGifReadError();
        return bytes_[pos_++];
    }
    std::uint16_t Word()
    {
        std::uint16_t low = Byte();
        return static_cast<std::uint16_t>(low | Byte() << 8);
    }
    // Exactly count bytes, or the read error.
    std::string Bytes(std::size_t count)
    {
        if (count > Left())
            RaiseGifReadError();
        std::string s(reinterpret_cast<const char*>(bytes_ + pos_), count);
        pos_ += count;
        return s;
    }
    const std::uint8_t* Here() const { return bytes_ + pos_; }
    void Skip(std::size_t count) { pos_ += count; }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
