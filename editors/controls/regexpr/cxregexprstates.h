// States of the regular-expression automaton. Parser items own them; a
// successor list only refers to them.
#pragma once

#include <memory>
#include <vector>

#include "editors/controls/regexpr/cxregexprclasses.h"

class TcxRegExprState {
public:
    virtual ~TcxRegExprState() = default;
    // Pass-through states (block start and finish) hand a byte on to their successors.
    virtual bool IsPassThrough() const = 0;
    void AddSuccessor(TcxRegExprState* state) { Successors.push_back(state); }

    std::vector<TcxRegExprState*> Successors;
    // The state's number within its automaton: the index of its visit mark.
    unsigned Id = 0;
};

class TcxRegExprSimpleState : public TcxRegExprState {
public:
    explicit TcxRegExprSimpleState(std::unique_ptr<TcxRegExprItem> item = nullptr) : Item(std::move(item)) {}
    bool IsPassThrough() const override { return false; }
    std::unique_ptr<TcxRegExprSimpleState> Clone() const
    {
        return std::make_unique<TcxRegExprSimpleState>(Item ? Item->Clone() : nullptr);
    }

    // None for the start state.
    std::unique_ptr<TcxRegExprItem> Item;
    bool Final = false;
};

class TcxRegExprBlockState : public TcxRegExprState {
public:
    bool IsPassThrough() const override { return true; }
};
