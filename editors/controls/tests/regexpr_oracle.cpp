#include "editors/controls/tests/regexpr_oracle.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <bitset>
#include <cstdio>
#include <memory>
#include <vector>

#include "editors/controls/regexpr/cxregexpr.h"
#include "editors/controls/regexpr/cxregexprlexer.h"

namespace {

using TByteSet = std::bitset<256>;

// The classes as the description defines them, written apart from the engine's own.
TByteSet Range(int first, int last)
{
    TByteSet set;
    for (int c = first; c <= last; ++c)
        set.set(static_cast<std::size_t>(c));
    return set;
}

TByteSet SymbolSet(unsigned char c, bool caseInsensitive)
{
    TByteSet set;
    set.set(c);
    if (caseInsensitive && c >= 'a' && c <= 'z')
        set.set(c - 32u);
    if (caseInsensitive && c >= 'A' && c <= 'Z')
        set.set(c + 32u);
    return set;
}

TByteSet ClassSet(const TcxLexem& lexem, bool caseInsensitive, const TFormatSettings& settings)
{
    const TByteSet digits = Range('0', '9');
    const TByteSet word = Range('a', 'z') | Range('A', 'Z') | digits | Range('_', '_');
    TByteSet space;
    for (int c : {0, 9, 10, 12, 13, 32})
        space.set(static_cast<std::size_t>(c));
    switch (lexem.Kind) {
    case lkAny: return TByteSet().set();
    case lkDigit: return digits;
    case lkNotDigit: return ~digits;
    case lkIdLetter: return word;
    case lkNotIdLetter: return ~word;
    case lkSpace: return space;
    case lkNotSpace: return ~space;
    case lkTimeSeparator: return SymbolSet(static_cast<unsigned char>(settings.TimeSeparator), false);
    case lkDateSeparator: return SymbolSet(static_cast<unsigned char>(settings.DateSeparator), false);
    default: return SymbolSet(static_cast<unsigned char>(lexem.Text[0]), caseInsensitive);
    }
}

std::string SetText(const TByteSet& set)
{
    std::string text = "[";
    char buffer[16];
    for (int c = 0; c < 256;) {
        if (!set.test(static_cast<std::size_t>(c))) {
            ++c;
            continue;
        }
        int last = c;
        while (last + 1 < 256 && set.test(static_cast<std::size_t>(last + 1)))
            ++last;
        std::snprintf(buffer, sizeof buffer, "\\x%02x-\\x%02x", c, last);
        text += buffer;
        c = last + 1;
    }
    return text + "]";
}

struct TAtom {
    std::string Text;
    bool Quantified = false;
};

class TTranslator {
public:
    TTranslator(const TcxLexems& lexems, bool caseInsensitive, const TFormatSettings& settings)
        : lexems_(lexems), caseInsensitive_(caseInsensitive), settings_(settings)
    {
    }

    std::optional<std::string> Translate()
    {
        std::string body;
        if (!Sequence(body, false) || pos_ != lexems_.size())
            return std::nullopt;
        return "(?:" + body + ")\\z";
    }

private:
    bool Comparable(const TByteSet& set) { return set.any() || (comparable_ = false); }

    // Alternatives up to the closing ')' (consumed) or the end.
    bool Sequence(std::string& out, bool inBlock)
    {
        std::vector<TAtom> atoms;
        const auto flush = [&] {
            for (const TAtom& atom : atoms)
                out += atom.Text;
            atoms.clear();
        };
        while (pos_ < lexems_.size() && comparable_) {
            const TcxLexem& lexem = lexems_[pos_++];
            if (lexem.Kind == lkSpecial) {
                const char c = lexem.Text[0];
                if (c == ')') {
                    if (!inBlock)
                        return false;
                    flush();
                    return true;
                }
                if (c == '|') {
                    flush();
                    out += '|';
                } else if (c == '(') {
                    const std::size_t number = blocks_.size();
                    blocks_.emplace_back();
                    std::string inner;
                    if (!Sequence(inner, true))
                        return false;
                    std::string own;
                    if (pos_ < lexems_.size() && lexems_[pos_].Kind == lkSpecial &&
                        std::string_view("*+?").find(lexems_[pos_].Text[0]) != std::string_view::npos)
                        own = lexems_[pos_].Text;
                    blocks_[number] = {"(?:" + inner + ")" + own, true};
                    atoms.push_back({"(?:" + inner + ")", false});
                } else if (c == '*' || c == '+' || c == '?') {
                    Quantify(atoms.back(), lexem.Text);
                } else if (c == '{') {
                    Repeat(atoms.back());
                } else if (c == '[') {
                    atoms.push_back({Enumeration(), false});
                }
            } else if (lexem.Kind == lkReference) {
                const auto index = static_cast<std::size_t>(lexem.Text[0] - '1');
                if (!blocks_[index].Closed)
                    comparable_ = false;
                atoms.push_back({"(?:" + blocks_[index].Text + ")", false});
            } else {
                const TByteSet set = ClassSet(lexem, caseInsensitive_, settings_);
                Comparable(set);
                atoms.push_back({SetText(set), false});
            }
        }
        flush();
        return !inBlock && comparable_;
    }

    static void Quantify(TAtom& atom, const std::string& q)
    {
        if (atom.Quantified)
            atom.Text = "(?:" + atom.Text + ")";
        atom.Text += q;
        atom.Quantified = true;
    }

    void Repeat(TAtom& atom)
    {
        std::string bounds = "{";
        while (pos_ < lexems_.size() && !lexems_[pos_].IsSpecial('}'))
            bounds += lexems_[pos_++].Text;
        bounds += "}";
        ++pos_;
        atom.Text = "(?:(?:" + atom.Text + ")" + bounds + ")";
        atom.Quantified = false;
    }

    std::string Enumeration()
    {
        TByteSet set;
        const bool inverse = lexems_[pos_].IsSpecial('^');
        if (inverse)
            ++pos_;
        while (pos_ < lexems_.size() && !lexems_[pos_].IsSpecial(']')) {
            const TcxLexem& p = lexems_[pos_++];
            if (pos_ < lexems_.size() && lexems_[pos_].IsSpecial('-')) {
                const TcxLexem& e = lexems_[pos_ + 1];
                pos_ += 2;
                if (p.Kind != lkSymbol || e.Kind != lkSymbol)
                    comparable_ = false;
                set |= Range(static_cast<unsigned char>(p.Text[0]), static_cast<unsigned char>(e.Text[0]));
            } else {
                set |= p.Kind == lkReference ? SymbolSet(static_cast<unsigned char>(p.Text[0]), caseInsensitive_)
                                             : ClassSet(p, caseInsensitive_, settings_);
            }
        }
        ++pos_;
        if (inverse)
            set.flip();
        Comparable(set);
        return SetText(set);
    }

    struct TBlock {
        std::string Text;
        bool Closed = false;
    };
    const TcxLexems& lexems_;
    bool caseInsensitive_;
    const TFormatSettings& settings_;
    std::size_t pos_ = 0;
    std::vector<TBlock> blocks_;
    bool comparable_ = true;
};

struct TPcre2 {
    explicit TPcre2(const std::string& pattern)
    {
        int error = 0;
        PCRE2_SIZE offset = 0;
        code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                 PCRE2_NEVER_UTF | PCRE2_NEVER_UCP, &error, &offset, nullptr));
        if (code)
            data.reset(pcre2_match_data_create_from_pattern(code.get(), nullptr));
    }
    // 1 matched, 0 not, -1 PCRE2 could not decide (the case is skipped).
    int Match(std::string_view text, bool partial)
    {
        const uint32_t options = PCRE2_ANCHORED | (partial ? PCRE2_PARTIAL_HARD : 0);
        const int rc = pcre2_dfa_match(code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0,
                                       options, data.get(), nullptr, workspace.data(), workspace.size());
        if (rc >= 0 || (partial && rc == PCRE2_ERROR_PARTIAL))
            return 1;
        return rc == PCRE2_ERROR_NOMATCH || (!partial && rc == PCRE2_ERROR_PARTIAL) ? 0 : -1;
    }

    struct TCodeFree {
        void operator()(pcre2_code* c) const { pcre2_code_free(c); }
    };
    struct TDataFree {
        void operator()(pcre2_match_data* d) const { pcre2_match_data_free(d); }
    };
    std::unique_ptr<pcre2_code, TCodeFree> code;
    std::unique_ptr<pcre2_match_data, TDataFree> data;
    std::vector<int> workspace = std::vector<int>(4000);
};

struct TSkip {};

int Decide(int answer)
{
    if (answer < 0)
        throw TSkip();
    return answer;
}

std::string Where(std::string_view what, std::string_view text)
{
    std::string where(what);
    where += " after \"";
    char buffer[8];
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            where += static_cast<char>(c);
        } else {
            std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
            where += buffer;
        }
    }
    return where + "\"";
}

} // namespace

std::optional<std::string> cxRegExprToPcre2(std::string_view mask, bool caseInsensitive,
                                            const TFormatSettings& settings)
{
    const TcxLexems lexems = TcxRegExprLexer(mask, settings.DecimalSeparator, [](unsigned, int, int, std::string_view) {}).ScanLexems();
    return TTranslator(lexems, caseInsensitive, settings).Translate();
}

std::optional<std::string> cxRegExprCompareWithPcre2(std::string_view mask, std::string_view text,
                                                     bool caseInsensitive, const TFormatSettings& settings)
{
    TcxRegExpr plain(settings, cxRegExprEnglishText), completing(settings, cxRegExprEnglishText);
    try {
        plain.Compile(mask);
    } catch (const EcxRegExprError&) {
        return std::nullopt;
    }
    const std::optional<std::string> pattern = cxRegExprToPcre2(mask, caseInsensitive, settings);
    if (!pattern)
        return std::nullopt;
    TPcre2 pcre(*pattern);
    if (!pcre.code)
        return std::nullopt;
    plain.SetCaseInsensitive(caseInsensitive);
    completing.SetCaseInsensitive(caseInsensitive);
    std::string typed, completed, problem;
    // The byte being fed is in the text before the literals it forces.
    std::optional<char> feeding;
    completing.OnLiteralAdded = [&](char forced) {
        if (feeding)
            completed += *feeding, feeding.reset();
        if (!problem.empty())
            return;
        if (Decide(pcre.Match(completed, false)))
            problem = Where("completed a complete text", completed);
        for (int b = 0; b < 256 && problem.empty(); ++b) {
            const auto byte = static_cast<unsigned char>(b);
            const bool sameLetter = (byte | 0x20) == (static_cast<unsigned char>(forced) | 0x20) &&
                                    (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z';
            const bool viable = Decide(pcre.Match(completed + static_cast<char>(byte), true));
            if (byte == static_cast<unsigned char>(forced) ? !viable : viable && !sameLetter)
                problem = Where("forced '" + std::string(1, forced) + "' but byte " + std::to_string(b) +
                                    (viable ? " is viable too" : " is not viable"),
                                completed);
        }
        completed += forced;
    };
    try {
        completing.SetLiteralCompletion(true);
        completing.Compile(mask);
        for (char c : text) {
            if (!problem.empty())
                return problem;
            char mine = c;
            const bool accepted = plain.FeedChar(mine);
            if (accepted != static_cast<bool>(Decide(pcre.Match(typed + c, true))))
                return Where(accepted ? "accepted a byte PCRE2 rejects" : "rejected a byte PCRE2 accepts",
                             typed + c);
            if (accepted)
                typed += mine;
            if (plain.IsMatchComplete() != static_cast<bool>(Decide(pcre.Match(typed, false))))
                return Where(plain.IsMatchComplete() ? "complete where PCRE2 is not" : "not complete where PCRE2 is",
                             typed);
            feeding = c;
            if (completing.FeedChar(c) && feeding)
                completed += c;
            feeding.reset();
        }
    } catch (const TSkip&) {
        return std::nullopt;
    }
    return problem;
}
