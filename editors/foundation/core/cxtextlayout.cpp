#include "editors/foundation/core/cxtextlayout.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "editors/foundation/core/cxtext.h"

namespace {

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

int ClampToInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// Breaks one row after another out of the text.
class TRowBreaker {
public:
    TRowBreaker(const std::string& text, const TRect& r, const TcxTextParams& params, const TcxTextMeasurer& measure)
        : text_(text), p_(params), measure_(measure), available_(std::max(cxRectGetWidth(r), 1))
    {
    }

    // The row at pos; pos moves past it and the separators that follow.
    TcxTextRow Make(std::size_t& pos, bool last);

private:
    int Measure(std::size_t from, std::size_t to) const
    {
        return to > from ? measure_(text_.data() + from, static_cast<int>(to - from)) : 0;
    }
    bool IsBreak(std::size_t i, std::size_t next) const
    {
        return next == i + 1 && (static_cast<unsigned char>(text_[i]) == p_.BreakChar || text_[i] == '\t');
    }
    // Where the row's walk can start measuring: a prefix of whole characters
    // that fits the width, and its width.
    std::pair<std::size_t, int> Guess(std::size_t pos);
    // Width of the first k characters collected by Guess.
    int PrefixWidth(std::size_t k) const { return Measure(ends_[0], ends_[k]); }

    const std::string& text_;
    const TcxTextParams& p_;
    const TcxTextMeasurer& measure_;
    int available_;
    // Ends of the guessed prefix's characters (ends_[0] the row's start),
    // and the starts of the row's characters: reused from row to row.
    std::vector<std::size_t> ends_, starts_;
};

std::pair<std::size_t, int> TRowBreaker::Guess(std::size_t pos)
{
    // A row stops at the next line break, and a text much wider than the
    // row is not worth measuring whole: that keeps the layout linear.
    std::int64_t wide = 8 * static_cast<std::int64_t>(available_);
    std::size_t limit = pos + static_cast<std::size_t>(std::min<std::int64_t>(wide + 2, text_.size() - pos));
    ends_.assign(1, pos);
    for (std::size_t i = pos; i < limit && !IsLineBreak(text_[i]);) {
        i = cxNextCharOffset(text_, i);
        ends_.push_back(i);
    }
    std::size_t n = ends_.size() - 1;
    int whole = PrefixWidth(n);
    if (whole > wide)
        return {1, PrefixWidth(1)};
    // Halve until it fits, then search for the longest prefix that fits;
    // lengths count characters, so a guess never ends inside one.
    std::size_t good = n;
    int width = whole;
    while (good >= 2 && width > available_)
        width = PrefixWidth(good /= 2);
    if (width > available_)
        return {0, 0};
    for (std::size_t bad = n; bad > good + 1 && width != available_;) {
        std::size_t mid = good + (bad - good) / 2;
        int w = PrefixWidth(mid);
        if (w <= available_)
            good = mid, width = w;
        else
            bad = mid;
    }
    return {good, width};
}

TcxTextRow TRowBreaker::Make(std::size_t& pos, bool last)
{
    const std::size_t size = text_.size();
    const bool measuring = !p_.SingleLine && (p_.WordBreak || p_.Justified());
    const bool breakInsideWords = measuring && p_.CharBreak;
    const bool lastRowEllipsis =
        last && p_.EndEllipsis && !p_.OnlyCompleteRows && !p_.NoClip && !p_.Justified();
    const bool cutsAtWidth = lastRowEllipsis || p_.SingleLine;
    const bool checksWidth = measuring || cutsAtWidth;

    std::size_t guessEnd = pos;
    int width = 0;
    if (checksWidth) {
        auto [chars, w] = Guess(pos);
        guessEnd = ends_[chars], width = w;
    }

    TcxTextRow row;
    row.Offset = pos;
    row.Height = p_.RowHeight;
    std::size_t end = pos;
    std::size_t lastBreak = 0;
    int breaks = 0, breaksAtLastBreak = 0;
    bool endedAtLineBreak = false, overflowed = false;
    starts_.clear();
    for (std::size_t i = pos; i < size;) {
        std::size_t next = cxNextCharOffset(text_, i);
        if (IsLineBreak(text_[i]) && !cutsAtWidth) {
            endedAtLineBreak = true;
            break;
        }
        end = next;
        starts_.push_back(i);
        if (IsBreak(i, next))
            lastBreak = next, breaksAtLastBreak = ++breaks;
        if (checksWidth) {
            // Past the guess each character adds its width; once a word
            // overflows, its width no longer matters.
            if (next > guessEnd && !overflowed)
                width = p_.ExpandTabs ? Measure(pos, next) : width + Measure(i, next);
            if (overflowed || width > available_) {
                if (cutsAtWidth)
                    break;
                if (lastBreak != 0) {
                    end = lastBreak, breaks = breaksAtLastBreak;
                    break;
                }
                if (breakInsideWords) {
                    if (i > pos)
                        end = i;
                    break;
                }
                overflowed = true;
            }
        }
        i = next;
    }
    // Justified rows end at their last visible character.
    if (p_.Justified())
        for (; !starts_.empty(); starts_.pop_back()) {
            std::size_t s = starts_.back();
            if (s >= end)
                continue;
            if (!IsBreak(s, cxNextCharOffset(text_, s)))
                break;
            end = s, --breaks;
        }

    row.Length = static_cast<int>(end - pos);
    row.Width = Measure(pos, end);
    row.BreakCount = std::max(breaks, 0);
    // Separators between rows belong to none.
    pos = end;
    while (pos < size && static_cast<unsigned char>(text_[pos]) == p_.BreakChar && cxNextCharOffset(text_, pos) == pos + 1)
        ++pos;
    for (char separator : {'\t', '\r', '\n'})
        if (pos < size && text_[pos] == separator)
            ++pos;
    if (p_.HorzAlignment == cxtaJustify && (endedAtLineBreak || pos >= size))
        row.BreakCount = 0;
    return row;
}

} // namespace

TcxTextParams cxMakeTextParams(unsigned flags, const TcxFontMetrics& metrics, int ellipsisWidth, bool farEast)
{
    TcxTextParams p;
    p.HorzAlignment = static_cast<int>(flags & 0x7);
    p.VertAlignment = static_cast<int>(flags >> 4 & 0x3);
    p.PreventLeftExceed = flags & cxtoPreventLeftExceed;
    p.PreventTopExceed = flags & cxtoPreventTopExceed;
    p.WordBreak = flags & cxtoWordBreak;
    p.SingleLine = flags & cxtoSingleLine;
    p.ExpandTabs = flags & cxtoExpandTabs;
    p.EndEllipsis = flags & cxtoEndEllipsis;
    p.UseExternalLeading = flags & cxtoExternalLeading;
    p.OnlyCompleteRows = flags & cxtoOnlyCompleteRows;
    p.NoClip = flags & cxtoNoClip;
    p.CharBreak = (flags & cxtoCharBreak) || farEast;
    p.IgnoreHeight = flags & cxtoIgnoreHeight;
    p.TextHeight = metrics.Height;
    p.ExternalLeading = p.UseExternalLeading ? metrics.ExternalLeading : 0;
    p.RowHeight = ClampToInt(static_cast<std::int64_t>(p.TextHeight) + p.ExternalLeading);
    p.EllipsisWidth = p.EndEllipsis ? ellipsisWidth : 0;
    p.BreakChar = metrics.BreakChar;
    p.MaxCharWidth = metrics.MaxCharWidth;
    p.CharSet = metrics.CharSet;
    return p;
}

bool cxLayoutTextRows(const std::string& text, const TRect& r, int maxRows, const TcxTextParams& params,
                      const TcxTextMeasurer& measure, TcxTextRows& rows)
{
    rows.clear();
    if (text.empty())
        return true;
    if (params.SingleLine && params.IgnoreHeight) {
        TcxTextRow row;
        row.Length = static_cast<int>(text.size());
        row.Width = measure(text.data(), row.Length);
        row.Height = params.RowHeight;
        rows.push_back(row);
        return true;
    }
    TRowBreaker breaker(text, r, params, measure);
    const auto limit = static_cast<std::size_t>(std::max(maxRows, 0));
    const std::int64_t height = cxRectGetHeight(r);
    std::int64_t running = 0;
    std::size_t pos = 0;
    for (;;) {
        running += params.RowHeight;
        // A row is the last when the one after it would not be seen (whole,
        // with only complete rows); other alignments stop only at the limit.
        bool last;
        if (params.SingleLine)
            last = true;
        else if (params.VertAlignment != cxtvTop || params.IgnoreHeight)
            last = limit != 0 && rows.size() + 1 >= limit;
        else if (params.OnlyCompleteRows && !params.NoClip)
            last = running + params.RowHeight > height;
        else
            last = running > height;
        rows.push_back(breaker.Make(pos, last));
        if (last || pos >= text.size() || (limit != 0 && rows.size() >= limit))
            break;
    }
    rows.shrink_to_fit();
    return !(limit != 0 && rows.size() >= limit && !params.SingleLine && !params.IgnoreHeight && pos < text.size());
}

void cxPlaceTextRows(const TRect& r, TcxTextParams& params, TcxTextRows& rows)
{
    const auto n = static_cast<std::int64_t>(rows.size());
    std::int64_t step = params.RowHeight, extra = 0;
    const std::int64_t height = cxRectGetHeight(r);
    if (params.VertAlignment == cxtvSpread && n > 1) {
        std::int64_t spare = height - params.TextHeight;
        if (params.TextHeight * (n - 1) < spare) {
            step = spare / (n - 1), extra = spare % (n - 1);
            params.RowHeight = ClampToInt(step);
        }
    }
    std::int64_t y = r.top;
    if (params.VertAlignment == cxtvCenter)
        y = r.top + (height - n * step) / 2;
    else if (params.VertAlignment == cxtvBottom)
        y = r.bottom - n * step + params.ExternalLeading;
    if (params.PreventTopExceed)
        y = std::max<std::int64_t>(y, r.top);
    const std::int64_t width = cxRectGetWidth(r);
    for (TcxTextRow& row : rows) {
        std::int64_t x = r.left;
        if (params.HorzAlignment == cxtaCenter)
            x = r.left + (width - row.Width) / 2;
        else if (params.HorzAlignment == cxtaRight)
            x = static_cast<std::int64_t>(r.right) - row.Width;
        if (params.PreventLeftExceed)
            x = std::max<std::int64_t>(x, r.left);
        row.X = ClampToInt(x);
        row.Y = ClampToInt(y);
        y += step;
        if (extra > 0)
            ++y, --extra;
    }
}

int cxMaxRowWidth(const TcxTextRows& rows, std::size_t count)
{
    int widest = 0;
    for (std::size_t i = 0; i < std::min(count, rows.size()); ++i)
        widest = std::max(widest, rows[i].Width);
    return widest;
}

TRect cxRectInsetHorz(const TRect& r, int a, int b)
{
    return cxRectInflatedBy(r, -a, 0, -b, 0);
}

std::pair<int, int> cxRowHighlightRange(const TcxTextRow& row, std::span<const int> extents, std::size_t start,
                                        std::size_t length, bool rightToLeft)
{
    std::size_t rowEnd = row.Offset + static_cast<std::size_t>(std::max(row.Length, 0));
    std::size_t from = std::max(start, row.Offset);
    std::size_t to = start >= rowEnd ? rowEnd : start + std::min(length, rowEnd - start);
    if (from >= to)
        return {0, 0};
    auto rightOf = [&](std::size_t bytes) {
        bytes = std::min(bytes, extents.size());
        return bytes == 0 ? 0 : std::clamp(extents[bytes - 1], 0, std::max(row.Width, 0));
    };
    int left = rightOf(from - row.Offset), right = std::max(left, rightOf(to - row.Offset));
    if (rightToLeft)
        return {row.Width - right, row.Width - left};
    return {left, right};
}
