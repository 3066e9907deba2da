// The parsed form of a mask: items (one state, or a block of alternatives),
// each with its quantifier, and the linking of their states.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "editors/controls/regexpr/cxregexprquantifiers.h"
#include "editors/controls/regexpr/cxregexprstates.h"

class TcxRegExprParserAlt;
using TcxRegExprParserAlts = std::vector<std::unique_ptr<TcxRegExprParserAlt>>;

class TcxRegExprParserItem {
public:
    TcxRegExprParserItem() : Quantifier(std::make_unique<TcxRegExprSimpleQuantifier>()) {}
    virtual ~TcxRegExprParserItem() = default;

    bool AllowsAbsent() const { return Quantifier->AllowsZero(); }
    bool AllowsRepeat() const { return Quantifier->AllowsRepeat(); }
    bool NotQuantified() const { return !AllowsAbsent() && !AllowsRepeat(); }
    void SetQuantifier(std::unique_ptr<TcxRegExprQuantifier> quantifier)
    {
        if (quantifier)
            Quantifier = std::move(quantifier);
    }

    virtual bool AllowsEmpty() const = 0;
    virtual std::unique_ptr<TcxRegExprParserItem> Clone() const = 0;
    virtual void MarkFinal() = 0;
    virtual TcxRegExprState* Entry() = 0;
    virtual TcxRegExprState* Exit() = 0;
    // Sizes the compiler's budget weighs before it clones.
    virtual std::size_t StateCount() const = 0;
    virtual std::size_t Depth() const = 0;

    std::unique_ptr<TcxRegExprQuantifier> Quantifier;
};

class TcxRegExprParserSimpleItem : public TcxRegExprParserItem {
public:
    explicit TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprItem> item)
        : State(std::make_unique<TcxRegExprSimpleState>(std::move(item)))
    {
    }
    bool AllowsEmpty() const override { return AllowsAbsent(); }
    std::unique_ptr<TcxRegExprParserItem> Clone() const override;
    void MarkFinal() override { State->Final = true; }
    TcxRegExprState* Entry() override { return State.get(); }
    TcxRegExprState* Exit() override { return State.get(); }
    std::size_t StateCount() const override { return 1; }
    std::size_t Depth() const override { return 0; }

    std::unique_ptr<TcxRegExprSimpleState> State;
};

class TcxRegExprParserAlt {
public:
    // The items from the end that may match nothing, and the one before them.
    std::vector<TcxRegExprParserItem*> Tails() const;
    bool AllowsEmpty() const;

    std::vector<std::unique_ptr<TcxRegExprParserItem>> Items;
};

class TcxRegExprParserBlockItem : public TcxRegExprParserItem {
public:
    TcxRegExprParserBlockItem();
    bool AllowsEmpty() const override { return AllowsAbsent() || contentEmpty_; }
    std::unique_ptr<TcxRegExprParserItem> Clone() const override;
    void MarkFinal() override;
    TcxRegExprState* Entry() override { return Start.get(); }
    TcxRegExprState* Exit() override { return Finish.get(); }
    std::size_t StateCount() const override { return stateCount_; }
    std::size_t Depth() const override { return depth_; }
    // Takes in what the alternatives hold now; called whenever they changed.
    void Update();

    std::unique_ptr<TcxRegExprBlockState> Start, Finish;
    TcxRegExprParserAlts Alts;

private:
    bool contentEmpty_ = false;
    std::size_t stateCount_ = 2, depth_ = 1;
};

// Links the states of an alternative's items to each other and, through
// blocks, to their starts and finishes. Counts every successor added.
class TcxRegExprLinker {
public:
    explicit TcxRegExprLinker(std::size_t successorLimit) : limit_(successorLimit) {}
    // False when the successors would pass the limit.
    bool LinkAlternative(TcxRegExprParserAlt& alt);
    // The entries of the alternative's leading items, up to the first that must occur.
    bool LinkEntries(TcxRegExprState& from, TcxRegExprParserAlt& alt) { return LinkFollowing(from, alt, 0); }

private:
    bool LinkFollowing(TcxRegExprState& from, TcxRegExprParserAlt& alt, std::size_t first);
    bool LinkBlock(TcxRegExprParserBlockItem& block);
    bool Add(TcxRegExprState& from, TcxRegExprState* to);

    std::size_t limit_, count_ = 0;
};

// Marks the states a match may end on in each alternative.
void cxRegExprMarkFinals(TcxRegExprParserAlts& alts);
