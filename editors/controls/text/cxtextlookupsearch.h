// Finding lookup items by their text or its start, without regard to the
// case of ASCII letters: characters are compared whole, so a trail byte
// never matches a letter of the other case, a lead byte ending the text
// matches only itself, and a found start never ends inside a character.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editors/controls/text/cxtexteditmodes.h"

// Whether item starts with text, and whether the two are the same text.
bool cxLookupStartsWith(std::string_view item, std::string_view text);
bool cxLookupSameText(std::string_view item, std::string_view text);

// The first item equal to text, or -1.
int cxLookupIndexOf(std::span<const std::string> items, std::string_view text);
inline bool cxIsLookupItem(std::span<const std::string> items, std::string_view text)
{
    return cxLookupIndexOf(items, text) != -1;
}

struct TcxLookupSearchOptions {
    TcxTextEditingMode Mode = temEdit;
    bool MostRecentlyUsed = false;
};

struct TcxLookupSearchResult {
    bool Found = false;
    // Found by its start: the item's own first characters and the rest of it.
    std::string Text;
    std::string Tail;
    // The current key to set, when the search changes it.
    std::optional<int> Key;
};

// The search of the lookup data: with exact and the most-recently-used
// option, the item equal to text; otherwise the first item after the item
// index `after` (-1: from the start) that starts with text. A text that
// finds nothing keeps its own Text.
TcxLookupSearchResult cxLookupSearch(std::span<const std::string> items, std::string_view text, int after, bool exact,
                                     const TcxLookupSearchOptions& options);

// The current key to set when the editor's text changed: none while the
// shown item (itemIndex) already reads text, else that of an exact search.
std::optional<int> cxLookupKeyForText(std::span<const std::string> items, int itemIndex, std::string_view text,
                                      const TcxLookupSearchOptions& options);
