#include "editors/controls/text/cxtextlookupsearch.h"

#include "classlib/gbkchars.h"

namespace {

unsigned char FoldAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// Whether a search that found nothing leaves the editor without a current item.
bool NoMatchClearsKey(TcxTextEditingMode mode, bool exact, bool emptyText)
{
    switch (mode) {
    case temEditList:
        return exact || emptyText;
    case temFixedList:
        return exact;
    default:
        return true;
    }
}

} // namespace

bool cxLookupStartsWith(std::string_view item, std::string_view text)
{
    if (item.size() < text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]), b = static_cast<unsigned char>(item[i]);
        if (a != b) {
            // Only single-byte letters have another case; a lead byte folds to itself.
            if (FoldAscii(a) != FoldAscii(b))
                return false;
            continue;
        }
        if (!IsGbkLeadByte(text[i]))
            continue;
        if (i + 1 == text.size())
            return i + 1 == item.size();
        if (text[i + 1] != item[i + 1])
            return false;
        ++i;
    }
    return true;
}

bool cxLookupSameText(std::string_view item, std::string_view text)
{
    return item.size() == text.size() && cxLookupStartsWith(item, text);
}

int cxLookupIndexOf(std::span<const std::string> items, std::string_view text)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (cxLookupSameText(items[i], text))
            return static_cast<int>(i);
    return -1;
}

TcxLookupSearchResult cxLookupSearch(std::span<const std::string> items, std::string_view text, int after, bool exact,
                                     const TcxLookupSearchOptions& options)
{
    TcxLookupSearchResult result;
    result.Text = text;
    if (!items.empty() && exact && options.MostRecentlyUsed) {
        const int index = cxLookupIndexOf(items, text);
        result.Found = index != -1;
        result.Key = index;
        return result;
    }
    if (!items.empty() && !text.empty()) {
        for (std::size_t i = after < 0 ? 0 : static_cast<std::size_t>(after) + 1; i < items.size(); ++i) {
            if (!cxLookupStartsWith(items[i], text))
                continue;
            result.Found = true;
            result.Text = items[i].substr(0, text.size());
            result.Tail = items[i].substr(text.size());
            result.Key = static_cast<int>(i);
            return result;
        }
    }
    if (NoMatchClearsKey(options.Mode, exact, text.empty()))
        result.Key = -1;
    return result;
}

std::optional<int> cxLookupKeyForText(std::span<const std::string> items, int itemIndex, std::string_view text,
                                      const TcxLookupSearchOptions& options)
{
    if (itemIndex < static_cast<int>(items.size())) {
        const std::string_view shown = itemIndex >= 0 ? std::string_view(items[static_cast<std::size_t>(itemIndex)])
                                                      : std::string_view();
        if (cxLookupSameText(shown, text))
            return std::nullopt;
    }
    return cxLookupSearch(items, text, -1, true, options).Key;
}
