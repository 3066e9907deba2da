#include "editors/edit/demo/cxvaluetext.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "classlib/exceptions.h"
#include "editors/edit/variants/cxtypedvariant.h"
#include "editors/edit/variants/cxvariants.h"

namespace {

// The texts between commas outside brackets.
std::vector<std::string> SplitElements(const std::string& inner)
{
    std::vector<std::string> parts;
    if (inner.empty())
        return parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= inner.size(); ++i) {
        char c = i < inner.size() ? inner[i] : ',';
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (c == ',' && depth == 0) {
            parts.push_back(inner.substr(start, i - start));
            start = i + 1;
        }
    }
    if (depth != 0)
        throw EConvertError("Unbalanced brackets");
    return parts;
}

Variant IntegerFromText(const std::string& text)
{
    std::int64_t n = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size())
        throw EConvertError("'" + text + "' is not a valid integer value");
    if (n >= INT32_MIN && n <= INT32_MAX)
        return Variant(static_cast<std::int32_t>(n));
    return Variant(n);
}

// The kinds that the variant's own conversion makes from a text.
TVarType KindOfLetter(char letter)
{
    switch (letter) {
    case 'w': return varOleStr;
    case 'c': return varCurrency;
    case 'd': return varDouble;
    case 't': return varDate;
    case 'b': return varBoolean;
    default: throw EConvertError(std::string("Unknown kind '") + letter + "'");
    }
}

std::string ShownText(const Variant& value)
{
    if (!value.IsArray())
        return VarToStr(value);
    std::string text = "[";
    for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
        if (text.size() > 1)
            text += ',';
        text += ShownText(value[i]);
    }
    return text + "]";
}

std::string Written(const Variant& value)
{
    TMemoryStream s;
    WriteTypedVariant(s, value);
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size())};
}

} // namespace

Variant cxValueFromText(const std::string& text)
{
    if (text == "null")
        return Variant::Null();
    if (text == "empty")
        return Variant();
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        std::vector<Variant> elements;
        for (const std::string& part : SplitElements(text.substr(1, text.size() - 2)))
            elements.push_back(cxValueFromText(part));
        return VarArrayOf(std::move(elements));
    }
    if (text.size() < 2 || text[1] != ':')
        throw EConvertError("'" + text + "' is no value text");
    std::string value = text.substr(2);
    if (text[0] == 'i')
        return IntegerFromText(value);
    if (text[0] == 's')
        return Variant(value);
    return VarAsType(Variant(value), KindOfLetter(text[0]));
}

std::string cxDescribeValue(const Variant& value)
{
    std::string hex;
    for (unsigned char byte : Written(value)) {
        char two[4];
        std::snprintf(two, sizeof two, hex.empty() ? "%02X" : " %02X", byte);
        hex += two;
    }
    return VarTypeAsText(VarType(value)) + " | " + ShownText(value) + " | " + hex;
}

bool cxReadsBackEqual(const Variant& value)
{
    TMemoryStream s;
    WriteTypedVariant(s, value);
    s.SetPosition(0);
    Variant back;
    ReadTypedVariant(s, back);
    return VariantsCompareEqual(back, value) && Written(back) == Written(value);
}
