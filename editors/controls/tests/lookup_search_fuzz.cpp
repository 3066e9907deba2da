// Any items and text: the search finds what a naive walk over character
// lists finds (ASCII letters folded, everything else exact).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/controls/text/cxtextlookupsearch.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

// Each character, single-byte letters in capitals.
std::vector<std::string> FoldedChars(const std::string& s)
{
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b >= 0x81 && b <= 0xFE && i + 1 < s.size() ? 2 : 1;
        std::string c = s.substr(i, n);
        if (n == 1 && b >= 'a' && b <= 'z')
            c[0] = static_cast<char>(b - 'a' + 'A');
        chars.push_back(c);
        i += n;
    }
    return chars;
}

bool NaiveStartsWith(const std::string& item, const std::string& text)
{
    const auto a = FoldedChars(item), b = FoldedChars(text);
    if (b.size() > a.size())
        return false;
    for (std::size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto flags = Take<std::uint8_t>(data, size);
    const TcxLookupSearchOptions options{static_cast<TcxTextEditingMode>(flags & 3), (flags & 4) != 0};
    const bool exact = flags & 8;
    const int after = Take<std::int8_t>(data, size) % 8;
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }
    const std::string text = pieces[0];
    const std::vector<std::string> items(pieces.begin() + 1, pieces.end());

    int equal = -1;
    for (std::size_t i = 0; i < items.size() && equal < 0; ++i)
        if (items[i].size() == text.size() && NaiveStartsWith(items[i], text))
            equal = static_cast<int>(i);
    Check(cxLookupIndexOf(items, text) == equal);

    const auto result = cxLookupSearch(items, text, after, exact, options);
    if (exact && options.MostRecentlyUsed && !items.empty()) {
        Check(result.Found == (equal >= 0) && result.Key == equal && result.Tail.empty() && result.Text == text);
        return 0;
    }
    int found = -1;
    for (std::size_t i = after < 0 ? 0 : static_cast<std::size_t>(after) + 1; i < items.size() && found < 0; ++i)
        if (!text.empty() && NaiveStartsWith(items[i], text))
            found = static_cast<int>(i);
    Check(result.Found == (found >= 0));
    if (found < 0) {
        Check(result.Text == text && result.Tail.empty() && result.Key.value_or(-1) == -1);
        return 0;
    }
    const std::string& item = items[static_cast<std::size_t>(found)];
    Check(result.Key == found && result.Text + result.Tail == item && result.Text.size() == text.size());
    Check(FoldedChars(result.Text) == FoldedChars(text));
    return 0;
}
