// Any text, selection, insertion, MaxLength and mode: the result is the
// pieces' whole characters in order, within MaxLength characters where it
// holds, with the caret between the inserted and the following text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/controls/text/cxtextinsertion.h"
#include "editors/foundation/tests/fuzzinput.h"

namespace {

bool IsLead(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

using Chars = std::vector<std::string>;

Chars Split(const std::string& s)
{
    Chars chars;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = IsLead(s[i]) && i + 1 < s.size() ? 2 : 1;
        chars.push_back(s.substr(i, n));
        i += n;
    }
    return chars;
}

std::size_t Bytes(const Chars& chars, std::size_t count)
{
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        bytes += chars[i].size();
    return bytes;
}

void DropLoneLead(Chars& chars)
{
    if (!chars.empty() && chars.back().size() == 1 && IsLead(chars.back()[0]))
        chars.pop_back();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto flags = Take<std::uint8_t>(data, size);
    TcxTextInsertionRequest r;
    r.FromKeyboard = flags & 1;
    r.Mode = static_cast<TcxTextEditingMode>((flags >> 1) & 3);
    r.MaxLength = Take<std::int8_t>(data, size) % 20;
    r.SelStart = Take<std::int8_t>(data, size) * (flags & 8 ? 1 : 1000);
    r.SelLength = Take<std::int8_t>(data, size);
    const std::string rest(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(rest.find('\0'), rest.size());
    r.Text = rest.substr(0, split);
    r.Inserted = split < rest.size() ? rest.substr(split + 1) : std::string();

    // The model: the pieces as lists of characters.
    const Chars text = Split(r.Text);
    const auto charAt = [&](long long offset) {
        std::size_t k = 0;
        while (k < text.size() && static_cast<long long>(Bytes(text, k)) < offset)
            ++k;
        return k;
    };
    std::size_t first = charAt(r.SelStart), last = std::max(first, charAt(static_cast<long long>(r.SelStart) +
                                                                           std::max(r.SelLength, 0)));
    const bool whole = r.Mode == temFixedList || r.Mode == temNoEdit;
    if (whole) {
        first = 0;
        last = text.size();
    }
    Chars head = r.Mode == temFixedList ? Chars() : Chars(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(first));
    Chars inserted = Split(r.Inserted);
    const Chars after(text.begin() + static_cast<std::ptrdiff_t>(last), text.end());
    if (!after.empty())
        DropLoneLead(inserted);
    if (!after.empty() || !inserted.empty())
        DropLoneLead(head);
    Chars joined = head;
    joined.insert(joined.end(), inserted.begin(), inserted.end());
    std::size_t kept = joined.size(), keptAfter = after.size();
    const bool limited = r.FromKeyboard && r.Mode == temEdit && r.MaxLength > 0;
    const auto limit = static_cast<std::size_t>(std::max(r.MaxLength, 0));
    if (limited) {
        kept = std::min(kept, limit);
        keptAfter = std::min(keptAfter, limit - kept);
    }
    const bool refused = (r.FromKeyboard && r.Mode == temNoEdit) || (limited && kept < head.size());

    const auto result = cxPrepareTextInsertion(r);
    Check(result.has_value() != refused);
    if (!result)
        return 0;
    std::string expected;
    for (std::size_t i = 0; i < kept; ++i)
        expected += joined[i];
    Check(result->Caret == static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < keptAfter; ++i)
        expected += after[i];
    Check(result->Text == expected);
    // The same, stated on the result alone.
    const Chars shown = Split(result->Text);
    Check(!limited || shown.size() <= limit);
    std::size_t boundary = 0;
    for (std::size_t i = 0; i < shown.size() && boundary < static_cast<std::size_t>(result->Caret); ++i)
        boundary += shown[i].size();
    Check(boundary == static_cast<std::size_t>(result->Caret));
    return 0;
}
