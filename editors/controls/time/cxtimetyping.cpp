#include "editors/controls/time/cxtimetyping.h"

#include <optional>

#include "classlib/asciicase.h"
#include "classlib/gbkchars.h"
#include "editors/controls/mask/cxmaskchars.h"
#include "editors/controls/time/cxtimeitems.h"

namespace {

// The whole character at 0-based offset i of text, or none when i does not
// start one (past the end, or a trail byte).
std::optional<std::string_view> CharAt(std::string_view text, std::size_t i)
{
    for (std::size_t at = 0; at < text.size(); at = GbkNextCharOffset(text, at)) {
        if (at == i)
            return text.substr(at, GbkNextCharOffset(text, at) - at);
        if (at > i)
            break;
    }
    return std::nullopt;
}

// ASCII letters in either case; any other byte exactly.
bool SameChar(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    }
    return true;
}

// 1-based byte index of the first character in which am and pm differ; past
// the shorter one when it is the other's start; -1 when they agree.
int FirstDifference(std::string_view am, std::string_view pm)
{
    std::size_t i = 0;
    while (i < am.size() && i < pm.size()) {
        const auto a = am.substr(i, GbkNextCharOffset(am, i) - i);
        const auto b = pm.substr(i, GbkNextCharOffset(pm, i) - i);
        if (!SameChar(a, b))
            return static_cast<int>(i) + 1;
        i += a.size();
    }
    if (am.size() != pm.size())
        return static_cast<int>(std::min(am.size(), pm.size())) + 1;
    return -1;
}

TcxTimeKeyCheck Kept(const std::string& text, int p, std::string_view key)
{
    return {true, std::string(key), text, p - 1};
}

TcxTimeKeyCheck Rejected(const std::string& text, int p)
{
    return {false, {}, text, p - 1};
}

// s written over the text at 1-based q, the caret then one further on.
TcxTimeKeyCheck Written(std::string text, int q, const std::string& s, std::string key, int caret)
{
    text.replace(static_cast<std::size_t>(q - 1), s.size(), s);
    return {true, std::move(key), std::move(text), caret};
}

TcxTimeKeyCheck DesignatorKey(const std::string& text, int p, int start, std::string_view key,
                              const TFormatSettings& settings)
{
    const std::string& am = settings.TimeAMString;
    const std::string& pm = settings.TimePMString;
    const int d = FirstDifference(am, pm);
    const int k = p - start + 1;
    if (k < 1)
        return Rejected(text, p);
    const auto index = static_cast<std::size_t>(k - 1);
    const int choice = start + d - 1;
    if (d > 0 && p < choice) {
        const auto a = CharAt(am, index);
        return a && SameChar(key, *a) ? Kept(text, p, *a) : Rejected(text, p);
    }
    if (d < 0 || p > choice) {
        const auto shown = CharAt(text, static_cast<std::size_t>(p - 1));
        return shown && SameChar(key, *shown) ? Kept(text, p, *shown) : Rejected(text, p);
    }
    const auto a = CharAt(am, index);
    const auto b = CharAt(pm, index);
    const std::string* chosen = a && SameChar(key, *a) ? &am : b && SameChar(key, *b) ? &pm : nullptr;
    if (!chosen)
        return Rejected(text, p);
    // The word replaces the whole designator, whichever length it had.
    std::string written = text.substr(0, std::min(static_cast<std::size_t>(start - 1), text.size()));
    written.resize(static_cast<std::size_t>(start - 1), ' ');
    written += *chosen;
    return {true, {}, written, start - 1 + static_cast<int>(chosen->size())};
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

TcxTimeKeyCheck DigitKey(const std::string& text, int p, int start, TcxTimeItemKind kind, std::string_view key,
                         bool use24Hour)
{
    const bool first = p == start;
    if ((!first && p != start + 1) || text.size() < static_cast<std::size_t>(start + 1) || key.size() != 1 ||
        !IsDigit(key[0]))
        return Rejected(text, p);
    std::string v = text.substr(static_cast<std::size_t>(start - 1), 2);
    if (!IsDigit(v[0]) || !IsDigit(v[1]))
        return Rejected(text, p);
    const char c = key[0];
    v[first ? 0 : 1] = c;
    int low = 0, high = 59;
    if (kind == tikHour) {
        low = use24Hour ? 0 : 1;
        high = use24Hour ? 23 : 12;
    }
    const int value = (v[0] - '0') * 10 + (v[1] - '0');
    if (value >= low && value <= high)
        return Kept(text, p, key);
    const char highFirst = static_cast<char>('0' + high / 10);
    if (!first) {
        if (c == '0')
            return Rejected(text, p);
        return Written(text, p - 1, "0", std::string(key), p - 1);
    }
    if (c == '0')
        return Written(text, p, std::string("0") + text[static_cast<std::size_t>(p - 1)], {}, p);
    if (c > highFirst)
        return Written(text, p, "0", std::string(key), p);
    return Written(text, p, std::string(1, c) + "0", {}, p);
}

} // namespace

TcxTimeKeyCheck cxTimeCharValidAt(const std::string& text, int p, std::string_view key,
                                  const TcxTimeEditFormat& format, const TFormatSettings& settings)
{
    if (p < 1 || key.empty() || GbkNextCharOffset(key, 0) != key.size())
        return Rejected(text, std::max(p, 1));
    const TcxTimeItemInfo info = cxGetTimeItemInfo(text, p, format, 0);
    if (info.Kind == tikDesignator)
        return DesignatorKey(text, p, info.Start, key, settings);
    return DigitKey(text, p, info.Start, info.Kind, key, format.Use24HourFormat);
}

bool cxTimeCheckTypedChar(TcxMaskEditPort& port, char& key, int p, const TcxTimeEditFormat& format,
                          const TFormatSettings& settings)
{
    const std::string typed = cxMaskTypedUnit(key, port.PendingSecondByte());
    if (typed.empty())
        return false;
    const std::string text = port.Text();
    const TcxTimeKeyCheck check = cxTimeCharValidAt(text, p, typed, format, settings);
    if (!check.Valid)
        return false;
    if (check.Text != text)
        port.SetTextKeepingCaret(check.Text);
    port.Select(check.SelStart, check.SelStart);
    key = check.Key.empty() ? 0 : check.Key[0];
    return true;
}
