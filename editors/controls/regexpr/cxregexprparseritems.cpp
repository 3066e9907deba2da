#include "editors/controls/regexpr/cxregexprparseritems.h"

#include <algorithm>

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserSimpleItem::Clone() const
{
    auto copy = std::make_unique<TcxRegExprParserSimpleItem>(nullptr);
    copy->State = State->Clone();
    copy->Quantifier = Quantifier->Clone();
    return copy;
}

std::vector<TcxRegExprParserItem*> TcxRegExprParserAlt::Tails() const
{
    // Whatever can match nothing lets the match end one item earlier too.
    std::vector<TcxRegExprParserItem*> tails;
    for (auto it = Items.rbegin(); it != Items.rend(); ++it) {
        tails.push_back(it->get());
        if (!(*it)->AllowsEmpty())
            break;
    }
    return tails;
}

bool TcxRegExprParserAlt::AllowsEmpty() const
{
    return std::all_of(Items.begin(), Items.end(), [](const auto& item) { return item->AllowsEmpty(); });
}

TcxRegExprParserBlockItem::TcxRegExprParserBlockItem()
    : Start(std::make_unique<TcxRegExprBlockState>()), Finish(std::make_unique<TcxRegExprBlockState>())
{
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserBlockItem::Clone() const
{
    auto copy = std::make_unique<TcxRegExprParserBlockItem>();
    copy->Quantifier = Quantifier->Clone();
    for (const auto& alt : Alts) {
        auto& altCopy = *copy->Alts.emplace_back(std::make_unique<TcxRegExprParserAlt>());
        for (const auto& item : alt->Items)
            altCopy.Items.push_back(item->Clone());
    }
    copy->Update();
    return copy;
}

void TcxRegExprParserBlockItem::MarkFinal()
{
    cxRegExprMarkFinals(Alts);
}

void TcxRegExprParserBlockItem::Update()
{
    contentEmpty_ = false;
    stateCount_ = 2;
    depth_ = 1;
    for (const auto& alt : Alts) {
        contentEmpty_ = contentEmpty_ || alt->AllowsEmpty();
        for (const auto& item : alt->Items) {
            stateCount_ += item->StateCount();
            depth_ = std::max(depth_, item->Depth() + 1);
        }
    }
}

bool TcxRegExprLinker::Add(TcxRegExprState& from, TcxRegExprState* to)
{
    if (++count_ > limit_)
        return false;
    from.AddSuccessor(to);
    return true;
}

bool TcxRegExprLinker::LinkFollowing(TcxRegExprState& from, TcxRegExprParserAlt& alt, std::size_t first)
{
    for (std::size_t i = first; i < alt.Items.size(); ++i) {
        if (!Add(from, alt.Items[i]->Entry()))
            return false;
        if (!alt.Items[i]->AllowsAbsent())
            break;
    }
    return true;
}

bool TcxRegExprLinker::LinkAlternative(TcxRegExprParserAlt& alt)
{
    for (std::size_t i = 0; i < alt.Items.size(); ++i) {
        TcxRegExprParserItem& item = *alt.Items[i];
        if (!LinkFollowing(*item.Exit(), alt, i + 1))
            return false;
        if (item.AllowsRepeat() && !Add(*item.Exit(), item.Entry()))
            return false;
        if (auto* block = dynamic_cast<TcxRegExprParserBlockItem*>(&item); block && !LinkBlock(*block))
            return false;
    }
    return true;
}

bool TcxRegExprLinker::LinkBlock(TcxRegExprParserBlockItem& block)
{
    for (const auto& alt : block.Alts)
        if (!LinkEntries(*block.Start, *alt))
            return false;
    const bool passable = std::any_of(block.Alts.begin(), block.Alts.end(), [](const auto& alt) {
        return std::all_of(alt->Items.begin(), alt->Items.end(), [](const auto& item) { return item->AllowsAbsent(); });
    });
    if (passable && !Add(*block.Start, block.Finish.get()))
        return false;
    for (const auto& alt : block.Alts) {
        if (!LinkAlternative(*alt))
            return false;
        for (TcxRegExprParserItem* tail : alt->Tails())
            if (!Add(*tail->Exit(), block.Finish.get()))
                return false;
    }
    return true;
}

void cxRegExprMarkFinals(TcxRegExprParserAlts& alts)
{
    for (const auto& alt : alts)
        for (TcxRegExprParserItem* tail : alt->Tails())
            tail->MarkFinal();
}
