#include "editors/controls/regexpr/cxregexprparser.h"

#include <algorithm>

#include "editors/foundation/core/cxresourceids.h"

namespace {

std::unique_ptr<TcxRegExprItem> ClassOf(const TcxLexem& lexem)
{
    switch (lexem.Kind) {
    case lkAny: return std::make_unique<TcxRegExprAll>();
    case lkIdLetter: case lkNotIdLetter: return std::make_unique<TcxRegExprIdLetter>(lexem.Kind == lkNotIdLetter);
    case lkDigit: case lkNotDigit: return std::make_unique<TcxRegExprDigit>(lexem.Kind == lkNotDigit);
    case lkSpace: case lkNotSpace: return std::make_unique<TcxRegExprSpace>(lexem.Kind == lkNotSpace);
    case lkDateSeparator: return std::make_unique<TcxRegExprDateSeparator>();
    case lkTimeSeparator: return std::make_unique<TcxRegExprTimeSeparator>();
    default: return std::make_unique<TcxRegExprSymbol>(lexem.Text[0]);
    }
}

// The count of a {n,m}; false above the largest count.
bool CountOf(const TcxLexem& lexem, long& value)
{
    if (lexem.Kind != lkInteger)
        return false;
    value = 0;
    for (char digit : lexem.Text) {
        value = value * 10 + (digit - '0');
        if (value > TcxRegExprBudget::MaxCount)
            return false;
    }
    return true;
}

std::unique_ptr<TcxRegExprParserBlockItem> BlockOf(std::unique_ptr<TcxRegExprQuantifier> q)
{
    auto block = std::make_unique<TcxRegExprParserBlockItem>();
    block->SetQuantifier(std::move(q));
    block->Alts.push_back(std::make_unique<TcxRegExprParserAlt>());
    return block;
}

} // namespace

TcxRegExprParser::TcxRegExprParser(const TcxLexems& lexems, TcxRegExprErrorReport report)
    : lexems_(lexems), report_(std::move(report))
{
}

void TcxRegExprParser::Error(unsigned id, const TcxLexem& at, std::string_view argument)
{
    report_(id, at.Line, at.Char, argument);
}

bool TcxRegExprParser::Afford(std::uint64_t states, std::size_t depth, const TcxLexem& at)
{
    if (states_ + states <= TcxRegExprBudget::States && depth_ + depth <= TcxRegExprBudget::Nesting)
        return true;
    Error(cxSRegExprTooComplex, at);
    return false;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParser::Clone(const TcxRegExprParserItem& item)
{
    states_ += item.StateCount();
    return item.Clone();
}

TcxRegExprParserAlts TcxRegExprParser::ParseExpression()
{
    TcxRegExprParserAlts alts;
    bool more = true;
    while (more && !abort_) {
        auto& alt = *alts.emplace_back(std::make_unique<TcxRegExprParserAlt>());
        more = ParseAlternative(alt, true);
    }
    return alts;
}

bool TcxRegExprParser::ParseAlternative(TcxRegExprParserAlt& alt, bool topLevel)
{
    if (pos_ >= lexems_.size()) {
        report_(cxSRegExprEmptyAlt, 0, 0, {});
        return false;
    }
    if (lexems_[pos_].IsSpecial('|')) {
        Error(cxSRegExprEmptyAlt, *Next());
        return true;
    }
    if (!topLevel && lexems_[pos_].IsSpecial(')')) {
        Error(cxSRegExprEmptyBlock, *Next());
        return false;
    }
    while (const TcxLexem* lexem = Next()) {
        if (abort_)
            return false;
        std::unique_ptr<TcxRegExprParserItem> item;
        switch (lexem->Kind) {
        case lkSpecial:
            switch (lexem->Text[0]) {
            case '(': item = ParseBlock(*lexem); break;
            case ')':
                if (!topLevel)
                    return false;
                Error(cxSRegExprIllegalSymbol, *lexem, ")");
                break;
            case '*': case '+': case '?': case '{': Quantify(alt, *lexem); break;
            case '|': return true;
            case '-': case ']': case '}': Error(cxSRegExprIllegalSymbol, *lexem, lexem->Text); break;
            case '[': item = ParseEnumeration(); break;
            default: break;
            }
            break;
        case lkInteger: Error(cxSRegExprIllegalIntegerValue, *lexem); break;
        case lkReference: item = Reference(*lexem); break;
        default: item = SimpleItem(*lexem); break;
        }
        if (item)
            alt.Items.push_back(std::move(item));
    }
    return false;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParser::SimpleItem(const TcxLexem& lexem)
{
    if (!Afford(1, 0, lexem))
        return nullptr;
    ++states_;
    return std::make_unique<TcxRegExprParserSimpleItem>(ClassOf(lexem));
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParser::Reference(const TcxLexem& lexem)
{
    const auto index = static_cast<std::size_t>(lexem.Text[0] - '1');
    if (index >= blocks_.size()) {
        Error(cxSRegExprTooBigReferenceNumber, lexem);
        return nullptr;
    }
    TcxRegExprParserBlockItem& block = *blocks_[index];
    // A group still open (the reference stands inside it) was last sized
    // empty: weigh what the copy takes now, earlier copies of it included.
    block.Update();
    if (!Afford(block.StateCount(), block.Depth(), lexem))
        return nullptr;
    return Clone(block);
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParser::ParseBlock(const TcxLexem& open)
{
    if (!Afford(2, 1, open)) {
        // Deeper nesting would only take more stack: stop parsing here.
        abort_ = true;
        return nullptr;
    }
    states_ += 2;
    auto block = std::make_unique<TcxRegExprParserBlockItem>();
    blocks_.push_back(block.get());
    ++depth_;
    bool more = true;
    while (more && !abort_) {
        auto& alt = *block->Alts.emplace_back(std::make_unique<TcxRegExprParserAlt>());
        more = ParseAlternative(alt, false);
    }
    --depth_;
    block->Update();
    return block;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParser::ParseEnumeration()
{
    const TcxLexem* p = Next();
    const bool inverse = p && p->IsSpecial('^');
    if (inverse)
        p = Next();
    if (!p)
        return nullptr;
    if (p->IsSpecial(']')) {
        Error(cxSRegExprCantCreateEmptyEnum, *p);
        return nullptr;
    }
    auto enumeration = std::make_unique<TcxRegExprUserEnumeration>(inverse);
    while (p && !p->IsSpecial(']')) {
        const TcxLexem* q = Next();
        if (q && q->IsSpecial('-')) {
            const TcxLexem* e = Next();
            if (!e)
                break;
            const auto first = static_cast<unsigned char>(p->Text[0]), last = static_cast<unsigned char>(e->Text[0]);
            if (first < last)
                enumeration->Add(std::make_unique<TcxRegExprSubrange>(first, last));
            else
                Error(cxSRegExprSubrangeOrder, *e);
            for (p = Next(); p && p->IsSpecial('-'); p = Next())
                Error(cxSRegExprIllegalSymbol, *p, "-");
        } else {
            enumeration->Add(ClassOf(*p));
            p = q;
        }
    }
    ++states_;
    return std::make_unique<TcxRegExprParserSimpleItem>(std::move(enumeration));
}

void TcxRegExprParser::Quantify(TcxRegExprParserAlt& alt, const TcxLexem& lexem)
{
    const char kind = lexem.Text[0];
    if (alt.Items.empty()) {
        if (kind == '{')
            Error(cxSRegExprIncorrectParameterQuantifier, lexem);
        else
            Error(cxSRegExprIllegalQuantifier, lexem, lexem.Text);
        return;
    }
    std::unique_ptr<TcxRegExprParserItem>& last = alt.Items.back();
    if (kind == '{') {
        long n = 0, m = 0;
        if (ReadRepeatBounds(n, m))
            ExpandRepeat(last, n, m, lexem);
        return;
    }
    if (kind != '?' && last->AllowsEmpty()) {
        Error(kind == '*' ? cxSRegExprCantUseStar : cxSRegExprCantUsePlus, lexem);
        return;
    }
    if (!last->NotQuantified() && !Afford(2, last->Depth() + 1, lexem))
        return;
    if (kind == '*')
        ApplyQuantifier(last, std::make_unique<TcxRegExprStarQuantifier>());
    else if (kind == '+')
        ApplyQuantifier(last, std::make_unique<TcxRegExprPlusQuantifier>());
    else
        ApplyQuantifier(last, std::make_unique<TcxRegExprQuestionQuantifier>());
}

void TcxRegExprParser::ApplyQuantifier(std::unique_ptr<TcxRegExprParserItem>& item,
                                       std::unique_ptr<TcxRegExprQuantifier> q)
{
    if (item->NotQuantified()) {
        item->SetQuantifier(std::move(q));
        return;
    }
    // A quantified item keeps its own quantifier inside a block that takes the new one.
    states_ += 2;
    auto block = BlockOf(std::move(q));
    block->Alts[0]->Items.push_back(std::move(item));
    block->Update();
    item = std::move(block);
}

bool TcxRegExprParser::FailRepeatBounds(const TcxLexem& at)
{
    Error(cxSRegExprIncorrectParameterQuantifier, at);
    // The rest of the braces belongs to the failed quantifier.
    if (!at.IsSpecial('}'))
        while (const TcxLexem* lexem = Next())
            if (lexem->IsSpecial('}'))
                break;
    return false;
}

bool TcxRegExprParser::ReadRepeatBounds(long& n, long& m)
{
    const TcxLexem* lexem = Next();
    if (!lexem)
        return FailRepeatBounds(lexems_.back());
    if (!CountOf(*lexem, n))
        return FailRepeatBounds(*lexem);
    if (!(lexem = Next()))
        return FailRepeatBounds(lexems_.back());
    if (lexem->IsSpecial('}')) {
        m = n;
        return true;
    }
    if (!lexem->IsSpecial(','))
        return FailRepeatBounds(*lexem);
    if (!(lexem = Next()))
        return FailRepeatBounds(lexems_.back());
    if (lexem->IsSpecial('}')) {
        m = -1;
        return true;
    }
    if (!CountOf(*lexem, m) || m < n)
        return FailRepeatBounds(*lexem);
    if (!(lexem = Next()))
        return FailRepeatBounds(lexems_.back());
    return lexem->IsSpecial('}') || FailRepeatBounds(*lexem);
}

void TcxRegExprParser::ExpandRepeat(std::unique_ptr<TcxRegExprParserItem>& item, long n, long m,
                                    const TcxLexem& brace)
{
    if (item->AllowsAbsent() || (m < 0 && item->AllowsEmpty())) {
        Error(cxSRegExprCantUseParameterQuantifier, brace);
        return;
    }
    const long optional = m > n ? m - n : 0;
    const std::uint64_t copies = static_cast<std::uint64_t>(n) + (m < 0 ? 1 : static_cast<std::uint64_t>(optional));
    const std::uint64_t states = copies * item->StateCount() + 2 * static_cast<std::uint64_t>(optional) + 4;
    if (!Afford(states, item->Depth() + static_cast<std::size_t>(optional) + 2, brace))
        return;
    auto block = BlockOf(std::make_unique<TcxRegExprSimpleQuantifier>());
    states_ += 2;
    auto& items = block->Alts[0]->Items;
    for (long i = 0; i < n; ++i)
        items.push_back(Clone(*item));
    if (m < 0) {
        items.push_back(Clone(*item));
        items.back()->SetQuantifier(std::make_unique<TcxRegExprStarQuantifier>());
    } else if (n < m) {
        items.push_back(BuildOptionalChain(*item, n, m));
    }
    block->Update();
    retired_.push_back(std::move(item));
    item = std::move(block);
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParser::BuildOptionalChain(const TcxRegExprParserItem& item,
                                                                            long d, long m)
{
    // Built from the innermost x? outwards: x (x (x)?)? ...
    std::unique_ptr<TcxRegExprParserItem> chain = Clone(item);
    ApplyQuantifier(chain, std::make_unique<TcxRegExprQuestionQuantifier>());
    for (long k = m - 2; k >= d; --k) {
        auto block = BlockOf(std::make_unique<TcxRegExprQuestionQuantifier>());
        states_ += 2;
        block->Alts[0]->Items.push_back(Clone(item));
        block->Alts[0]->Items.push_back(std::move(chain));
        block->Update();
        chain = std::move(block);
    }
    return chain;
}
