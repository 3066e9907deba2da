// Any bytes read as a tape file: writing the lines back and reading them
// again gives the same lines, and no line holds a line end.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calculator/tapefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto lines = TapeFileLines(text);
    for (const auto& line : lines)
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
    if (TapeFileLines(TapeFileText(lines)) != lines)
        std::abort();
    return 0;
}
