// The parser of regular-expression masks: lexems into alternatives of items,
// with repetitions expanded into clones, inside a budget of states and nesting.
#pragma once

#include <cstdint>

#include "editors/controls/regexpr/cxregexprlexer.h"
#include "editors/controls/regexpr/cxregexprparseritems.h"

// Limits that keep a hostile mask from taking the machine.
struct TcxRegExprBudget {
    static constexpr std::uint64_t States = 100'000;
    static constexpr std::size_t Successors = 1'000'000;
    static constexpr std::size_t Nesting = 1'000;
    static constexpr long MaxCount = 65'535;
};

class TcxRegExprParser {
public:
    TcxRegExprParser(const TcxLexems& lexems, TcxRegExprErrorReport report);
    TcxRegExprParserAlts ParseExpression();

private:
    const TcxLexem* Next() { return pos_ < lexems_.size() ? &lexems_[pos_++] : nullptr; }
    void Error(unsigned id, const TcxLexem& at, std::string_view argument = {});
    bool Afford(std::uint64_t states, std::size_t depth, const TcxLexem& at);
    bool ParseAlternative(TcxRegExprParserAlt& alt, bool topLevel);
    std::unique_ptr<TcxRegExprParserItem> ParseBlock(const TcxLexem& open);
    std::unique_ptr<TcxRegExprParserItem> ParseEnumeration();
    std::unique_ptr<TcxRegExprParserItem> SimpleItem(const TcxLexem& lexem);
    std::unique_ptr<TcxRegExprParserItem> Reference(const TcxLexem& lexem);
    void Quantify(TcxRegExprParserAlt& alt, const TcxLexem& lexem);
    void ApplyQuantifier(std::unique_ptr<TcxRegExprParserItem>& item, std::unique_ptr<TcxRegExprQuantifier> q);
    bool ReadRepeatBounds(long& n, long& m);
    bool FailRepeatBounds(const TcxLexem& at);
    void ExpandRepeat(std::unique_ptr<TcxRegExprParserItem>& item, long n, long m, const TcxLexem& brace);
    std::unique_ptr<TcxRegExprParserItem> BuildOptionalChain(const TcxRegExprParserItem& item, long d, long m);
    std::unique_ptr<TcxRegExprParserItem> Clone(const TcxRegExprParserItem& item);

    const TcxLexems& lexems_;
    TcxRegExprErrorReport report_;
    std::size_t pos_ = 0;
    // Blocks in the order of their '(' for back references; items that a
    // repetition replaced stay here while a reference may still clone them.
    std::vector<TcxRegExprParserBlockItem*> blocks_;
    std::vector<std::unique_ptr<TcxRegExprParserItem>> retired_;
    std::uint64_t states_ = 0;
    std::size_t depth_ = 0;
    bool abort_ = false;
};
