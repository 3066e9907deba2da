#include "editors/edit/formats/cxdatetimeformatinfo.h"

#include <algorithm>

#include "editors/edit/formats/cxwholechars.h"
#include "editors/foundation/core/cxtext.h"

namespace {

// Formats nest at most twice ("C" holds "t", which may not go further).
constexpr int kMaxDepth = 2;

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(const std::string& s, std::size_t at, const char* word)
{
    for (std::size_t n = 0; word[n]; ++n)
        if (at + n >= s.size() || Upper(s[at + n]) != word[n])
            return false;
    return true;
}

class TFormatParser {
public:
    TFormatParser(const TFormatSettings& settings, TcxDateTimeFormatInfo& info) : settings_(settings), info_(info) {}

    bool Parse(const std::string& format, int depth);
    bool TwelveHour() const { return twelveHour_; }

private:
    void Add(unsigned char kind, const std::string& text);
    void AddLiteral(const std::string& text);
    // The A forms at offset i; returns the bytes they take.
    std::size_t ParseA(const std::string& format, std::size_t i, bool& sawAmPm);

    const TFormatSettings& settings_;
    TcxDateTimeFormatInfo& info_;
    bool twelveHour_ = false;
    // After a lead byte that ended its format or quote: the next literal
    // must not become its trail byte.
    bool splitLiteral_ = false;
};

void TFormatParser::Add(unsigned char kind, const std::string& text)
{
    const bool repeatable = kind == dtiLiteral || kind == dtiDateSeparator || kind == dtiTimeSeparator;
    if (!repeatable && info_.Present[kind])
        return;
    info_.Present[kind] = true;
    info_.Items.push_back({kind, text});
}

void TFormatParser::AddLiteral(const std::string& text)
{
    if (!splitLiteral_ && !info_.Items.empty() && info_.Items.back().Kind == dtiLiteral)
        info_.Items.back().Text += text;
    else
        Add(dtiLiteral, text);
    splitLiteral_ = cxWithoutHalfChar(text).size() != text.size();
}

std::size_t TFormatParser::ParseA(const std::string& format, std::size_t i, bool& sawAmPm)
{
    struct TForm {
        const char* Upper;
        unsigned char Kind;
        const char* Text; // nullptr: the format's own text
    };
    static constexpr TForm kForms[] = {
        {"AM/PM", dtiAmPm, nullptr}, {"A/P", dtiAmPm, nullptr}, {"AMPM", dtiAmPm, "AMPM"},
        {"AAAA", dtiDay, "DDDD"},    {"AAA", dtiDay, "DDD"},
    };
    for (const TForm& form : kForms) {
        if (!StartsWithNoCase(format, i, form.Upper))
            continue;
        const std::size_t length = std::char_traits<char>::length(form.Upper);
        Add(form.Kind, form.Text ? std::string(form.Text) : format.substr(i, length));
        sawAmPm = sawAmPm || form.Kind == dtiAmPm;
        return length;
    }
    AddLiteral(format.substr(i, 1));
    return 1;
}

bool TFormatParser::Parse(const std::string& format, int depth)
{
    if (depth >= kMaxDepth)
        return true;
    bool sawHour = false, sawAmPm = false;
    char lastLetter = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t next = cxNextCharOffset(format, i);
        if (next - i > 1 || static_cast<unsigned char>(format[i]) >= 0x80) {
            // A double-byte character, or a lone lead byte at the end.
            AddLiteral(format.substr(i, next - i));
            i = next;
            continue;
        }
        const char c = format[i];
        char token = Upper(c);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastLetter == 'H')
                token = 'N';
            lastLetter = token;
        }
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        const auto repeated = [&](char letter, std::size_t most) {
            return std::string(std::min(run, most), letter);
        };
        bool ok = true;
        switch (token) {
        case '"':
        case '\'': {
            std::size_t end = i + 1;
            while (end < format.size() && format[end] != c)
                end = cxNextCharOffset(format, end);
            AddLiteral(format.substr(i + 1, end - i - 1));
            i = std::min(end + 1, format.size());
            continue;
        }
        case '/': Add(dtiDateSeparator, "/"); run = 1; break;
        case ':': Add(dtiTimeSeparator, ":"); run = 1; break;
        case 'A': i += ParseA(format, i, sawAmPm); continue;
        case 'C':
            ok = Parse(settings_.ShortDateFormat, depth + 1);
            AddLiteral(" ");
            ok = ok && Parse(settings_.LongTimeFormat, depth + 1);
            break;
        case 'D':
            if (run <= 4)
                Add(dtiDay, repeated('D', 4));
            else
                ok = Parse(run == 5 ? settings_.ShortDateFormat : settings_.LongDateFormat, depth + 1);
            break;
        case 'E':
        case 'Y': Add(dtiYear, run > 2 ? "YYYY" : "YY"); break;
        case 'G': ok = false; break;
        case 'H': Add(dtiHour, repeated('H', 2)); sawHour = true; break;
        case 'M': Add(dtiMonth, repeated('M', 4)); break;
        case 'N': Add(dtiMinute, repeated('N', 2)); break;
        case 'S': Add(dtiSecond, repeated('S', 2)); break;
        case 'T': ok = Parse(run == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth + 1); break;
        case 'Z': Add(dtiMSec, repeated('Z', 3)); break;
        default: AddLiteral(std::string(1, c)); run = 1; break;
        }
        if (!ok)
            return false;
        i += run;
    }
    if (sawHour)
        twelveHour_ = sawAmPm;
    return true;
}

} // namespace

bool ParseFormat(const std::string& format, const TFormatSettings& settings, TcxDateTimeFormatInfo& info)
{
    info = {};
    TFormatParser parser(settings, info);
    if (!parser.Parse(format.empty() ? "C" : format, 0)) {
        info = {};
        return false;
    }
    auto hour = std::ranges::find(info.Items, static_cast<unsigned char>(dtiHour), &TcxDateTimeFormatItem::Kind);
    if (hour != info.Items.end()) {
        hour->Text.insert(0, parser.TwelveHour() ? "12" : "24");
    } else if (info.Present[dtiAmPm]) {
        std::erase_if(info.Items, [](const TcxDateTimeFormatItem& item) { return item.Kind == dtiAmPm; });
        info.Present[dtiAmPm] = false;
    }
    return true;
}
