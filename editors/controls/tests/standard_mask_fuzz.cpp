// Any bytes as a standard mask and a text: every operation keeps the text
// the mask's own length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/controls/standardmask/cxstandardmask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string all(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = all.find('\0');
    static const TFormatSettings settings = ChineseFormatSettings();
    TcxStandardMask mask;
    mask.SetMask(all.substr(0, split), settings);
    std::string text = split == std::string::npos ? std::string() : all.substr(split + 1);
    std::string applied = text;
    mask.ApplyToText(applied, data[0] & 1, data[0] & 2);
    if (applied.size() != mask.Count() || mask.GetEmptyText().size() != mask.Count())
        std::abort();
    std::string value = applied;
    mask.GetValueText(value);
    if (value.size() > mask.Count() || mask.GetEmptyValue().size() > mask.Count())
        std::abort();
    std::string checked = applied;
    mask.IsTextValid(checked);
    mask.IsTextValid(text);
    return 0;
}
