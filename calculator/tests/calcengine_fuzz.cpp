// libFuzzer target: any tape text and caret through splitexpr and calcbracket.
#include "calculator/calcengine.h"
#include "calculator/calcerror.h"
#include "calculator/numbertext.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    // The first two bytes place the caret, anywhere up to one past the end.
    const std::size_t caret = static_cast<std::size_t>(data[0] | (data[1] << 8));
    const std::string tape(reinterpret_cast<const char*>(data + 2), size - 2);

    TCalcEngine engine;
    int leftovers = 0;
    engine.onLeftoverTokens = [&leftovers](const std::string&) { ++leftovers; };
    engine.splitexpr(tape, caret % (tape.size() + 2));
    for (const std::string& token : engine.explist) {
        if (token.empty()) {
            std::abort();  // the tokenizer never keeps an empty piece
        }
    }
    if (engine.explist.empty()) {
        return 0;
    }
    try {
        const long double value = engine.calcbracket();
        if (engine.explist.size() != 1 || value != value) {
            std::abort();
        }
        // What the tape would show must read back.
        long double shown = 0;
        if (!TryStrToFloat(FloatToStr(value), shown)) {
            std::abort();
        }
    } catch (const ECalcError&) {
    }
    return 0;
}
