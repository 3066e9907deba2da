// The about window's memory figures as texts, free of any platform call.
#pragma once

#include <cstdint>
#include <string>

// Bytes as whole kilobytes (rounded, halves up) in groups of three digits
// with the locale's separator and a " KB" suffix: 2 GiB -> "2,097,152 KB".
std::string KilobytesText(std::uint64_t bytes, const std::string& thousandSeparator);

// The memory load in percent: "37 %".
std::string MemoryLoadText(unsigned percent);
