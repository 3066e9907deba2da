// Any mask and text: where PCRE2 can be asked, our automaton agrees with it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "editors/controls/tests/regexpr_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string_view all(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = all.find('\0');
    const std::string_view text = split == std::string_view::npos ? std::string_view() : all.substr(split + 1);
    static const TFormatSettings settings = ChineseFormatSettings();
    const auto problem = cxRegExprCompareWithPcre2(all.substr(0, split), text, data[0] & 1, settings);
    if (problem && !problem->empty()) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
