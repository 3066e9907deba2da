#include "calculator/calcform_tape.h"

#include "calculator/numbertext.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsLeadByte(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

bool IsTrailByte(unsigned char c)
{
    return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

std::string_view Trim(std::string_view s)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::vector<std::string> SplitTapeText(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(kLineEnd, start)) != std::string_view::npos; start = end + kLineEnd.size())
        lines.emplace_back(text.substr(start, end - start));
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

bool IsTapeOperator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/';
}

std::size_t TapeLineOf(std::string_view text, std::size_t pos)
{
    std::size_t line = 0;
    std::size_t limit = pos < text.size() ? pos : text.size();
    for (std::size_t i = text.find(kLineEnd); i != std::string_view::npos && i + 2 <= limit; i = text.find(kLineEnd, i + 2))
        ++line;
    return line;
}

bool TapeLineBounds(std::string_view text, std::size_t index, TapeLine& line)
{
    std::size_t start = 0;
    for (std::size_t n = 0; n < index; ++n) {
        std::size_t end = text.find(kLineEnd, start);
        if (end == std::string_view::npos)
            return false;
        start = end + 2;
    }
    line = TapeLineAt(text, start);
    return true;
}

TapeLine TapeLineAt(std::string_view text, std::size_t start)
{
    std::size_t end = text.find(kLineEnd, start);
    return {start, (end == std::string_view::npos ? text.size() : end) - start};
}

std::string CleanTapeLine(std::string line)
{
    if (!line.empty() && IsTapeOperator(line.front()))
        line.erase(0, 1);
    if (!line.empty() && IsTapeOperator(line.back()))
        line.pop_back();
    if (auto eq = line.find('='); eq != std::string::npos)
        line.erase(eq);
    return line;
}

namespace {

// total plus the result of one line, when it holds "=".
double AddLine(double total, std::string_view line)
{
    auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return total;
    std::string_view result = line.substr(eq + 1);
    if (auto cr = result.find('\r'); cr != std::string_view::npos)
        result = result.substr(0, cr);
    return total + static_cast<double>(StrToFloat(result));
}

} // namespace

double TapeTotal(std::string_view text)
{
    double total = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(kLineEnd, start)) != std::string_view::npos; start = end + 2)
        total = AddLine(total, text.substr(start, end - start));
    return AddLine(total, text.substr(start));
}

double TTapeTotal::operator()(std::string_view text)
{
    if (text.substr(0, prefix_.size()) != prefix_)
        prefix_.clear(), prefixSum_ = 0;
    std::size_t start = prefix_.size();
    double total = prefixSum_;
    for (std::size_t end; (end = text.find(kLineEnd, start)) != std::string_view::npos; start = end + 2)
        total = AddLine(total, text.substr(start, end - start));
    // Only the lines finished since are copied: a long tape is not copied
    // whole at each Enter.
    prefix_.append(text.substr(prefix_.size(), start - prefix_.size()));
    prefixSum_ = total;
    return AddLine(total, text.substr(start));
}

bool TapeLineResult(std::string_view line, std::string& result)
{
    auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    result = std::string(Trim(line.substr(eq + 1)));
    return true;
}

std::size_t TapeBackspaceLength(std::string_view text, std::size_t pos)
{
    if (pos == 0 || pos > text.size())
        return 0;
    // Walk the caret's line from its start so that a trail byte is never
    // taken for a character of its own.
    std::size_t lineEnd = pos >= 2 ? text.rfind(kLineEnd, pos - 2) : std::string_view::npos;
    std::size_t i = lineEnd == std::string_view::npos ? 0 : lineEnd + 2;
    std::size_t last = 1;
    while (i < pos) {
        bool pair = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 2 <= pos &&
                    IsTrailByte(static_cast<unsigned char>(text[i + 1]));
        last = pair ? 2 : 1;
        i += last;
    }
    return last;
}
