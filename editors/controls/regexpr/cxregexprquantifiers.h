// How often a parser item may occur: once, ?, * or +.
#pragma once

#include <memory>

class TcxRegExprQuantifier {
public:
    virtual ~TcxRegExprQuantifier() = default;
    virtual bool AllowsZero() const = 0;
    virtual bool AllowsRepeat() const = 0;
    virtual std::unique_ptr<TcxRegExprQuantifier> Clone() const = 0;
};

template <bool Zero, bool Repeat>
class TcxRegExprQuantifierOf : public TcxRegExprQuantifier {
public:
    bool AllowsZero() const override { return Zero; }
    bool AllowsRepeat() const override { return Repeat; }
    std::unique_ptr<TcxRegExprQuantifier> Clone() const override
    {
        return std::make_unique<TcxRegExprQuantifierOf>();
    }
};

using TcxRegExprSimpleQuantifier = TcxRegExprQuantifierOf<false, false>;
using TcxRegExprQuestionQuantifier = TcxRegExprQuantifierOf<true, false>;
using TcxRegExprStarQuantifier = TcxRegExprQuantifierOf<true, true>;
using TcxRegExprPlusQuantifier = TcxRegExprQuantifierOf<false, true>;
