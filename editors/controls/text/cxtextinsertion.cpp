#include "editors/controls/text/cxtextinsertion.h"

#include <algorithm>

#include "editors/controls/text/cxtextchars.h"
#include "editors/edit/formats/cxwholechars.h"

namespace {

std::size_t Clamped(long long offset, std::size_t size)
{
    return static_cast<std::size_t>(std::clamp(offset, 0LL, static_cast<long long>(size)));
}

} // namespace

std::optional<TcxTextInsertion> cxPrepareTextInsertion(const TcxTextInsertionRequest& r)
{
    if (r.FromKeyboard && r.Mode == temNoEdit)
        return std::nullopt;
    const std::string& shown = r.Text;
    std::size_t start = cxCharBoundaryFrom(shown, Clamped(r.SelStart, shown.size()));
    std::size_t end = cxCharBoundaryFrom(shown, Clamped(static_cast<long long>(r.SelStart) + std::max(r.SelLength, 0), shown.size()));
    if (r.Mode == temFixedList || r.Mode == temNoEdit) {
        start = 0;
        end = shown.size();
    }
    const std::string_view after = std::string_view(shown).substr(std::max(start, end));
    std::string inserted = r.Inserted;
    std::string text = r.Mode == temFixedList ? std::string() : shown.substr(0, start);
    if (!after.empty())
        inserted = cxWithoutHalfChar(inserted);
    if (!after.empty() || !inserted.empty())
        text = cxWithoutHalfChar(text);
    const std::size_t before = text.size();
    text += inserted;
    if (r.FromKeyboard && r.Mode == temEdit && r.MaxLength > 0) {
        const auto limit = static_cast<std::size_t>(r.MaxLength);
        text.resize(cxBytesOfChars(text, limit));
        if (text.size() < before)
            return std::nullopt;
        const int caret = static_cast<int>(text.size());
        text += after;
        text.resize(cxBytesOfChars(text, limit));
        return TcxTextInsertion{std::move(text), caret};
    }
    const int caret = static_cast<int>(text.size());
    text += after;
    return TcxTextInsertion{std::move(text), caret};
}
