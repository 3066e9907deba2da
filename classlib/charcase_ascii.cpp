// The host converts ASCII letters only.
#include "classlib/asciicase.h"
#include "classlib/charcase.h"

std::string AnsiUpperCase(const std::string& text)
{
    std::string result = text;
    ConvertSingleBytes(result, true, [](std::size_t) {});
    return result;
}

std::string AnsiLowerCase(const std::string& text)
{
    std::string result = text;
    ConvertSingleBytes(result, false, [](std::size_t) {});
    return result;
}

int AnsiCompareText(const std::string& a, const std::string& b)
{
    const int order = AnsiUpperCase(a).compare(AnsiUpperCase(b));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}
