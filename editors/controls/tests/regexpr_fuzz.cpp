// Any bytes as a mask, then any bytes fed, stepped back over and rewound:
// one error list or a working automaton, within bounded memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editors/controls/regexpr/cxregexpr.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string_view all(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = all.find('\0');
    const std::string_view mask = all.substr(0, split);
    const std::string_view input = split == std::string_view::npos ? std::string_view() : all.substr(split + 1);
    static const TFormatSettings settings = ChineseFormatSettings();
    TcxRegExpr expr(settings, cxRegExprEnglishText);
    expr.SetCaseInsensitive(data[0] & 1);
    expr.SetLiteralCompletion(data[0] & 2);
    // One byte of text for each step of the history, typed or forced; a
    // typed byte that a literal would have forced is taken back as one.
    std::string text;
    const auto pop = [&] {
        if (text.empty())
            std::abort();
        text.pop_back();
    };
    expr.OnLiteralAdded = [&](char c) { text += c; };
    expr.OnLiteralRemoved = pop;
    try {
        expr.Compile(mask);
    } catch (const EcxRegExprError& e) {
        if (e.Errors().Count() == 0)
            std::abort();
        return 0;
    }
    for (char c : input) {
        if (c == '\x01') {
            if (expr.StepBack())
                pop();
        } else if (c == '\x02')
            expr.Rewind(), text.clear();
        else if (expr.FeedChar(c))
            text += c;
        if (expr.Automat()->Current().Count() > expr.Automat()->StateCount())
            std::abort();
    }
    text += expr.FeedText(input);
    while (expr.StepBack())
        pop();
    if (!text.empty() || !expr.IsAtStart())
        std::abort();
    return 0;
}
