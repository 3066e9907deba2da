// Arbitrary bytes as a tape: the line functions stay inside the text, and
// the remembered total agrees with a fresh one, value or failure alike.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculator/calcerror.h"
#include "calculator/calcform_tape.h"

namespace {

// Total or the failure, as one comparable value.
std::string Outcome(TTapeTotal& remembered, std::string_view text, bool fresh)
{
    try {
        double v = fresh ? TapeTotal(text) : remembered(text);
        return std::to_string(v);
    } catch (const ECalcError&) {
        return "fails";
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    for (std::size_t pos : {std::size_t{0}, size / 2, size}) {
        std::size_t line = TapeLineOf(text, pos);
        TapeLine bounds;
        if (!TapeLineBounds(text, line, bounds) || bounds.start > pos || bounds.start + bounds.length > size)
            std::abort();
        if (TapeBackspaceLength(text, pos) > pos || (pos > 0 && TapeBackspaceLength(text, pos) == 0))
            std::abort();
        if (CleanTapeLine(text.substr(bounds.start, bounds.length)).size() > bounds.length)
            std::abort();
    }
    // The remembered total, first over a prefix and then over the whole.
    TTapeTotal remembered;
    Outcome(remembered, std::string_view(text).substr(0, size / 2), false);
    if (Outcome(remembered, text, false) != Outcome(remembered, text, true))
        std::abort();
    return 0;
}
