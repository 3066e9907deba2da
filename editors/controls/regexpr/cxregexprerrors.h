// The compile errors of a regular-expression mask, collected, not stopped at.
#pragma once

#include <string>
#include <vector>

#include "editors/edit/core/cxediterror.h"

struct TcxRegExprError {
    int Line = 0;
    int Char = 0;
    std::string Message;
    // "Line3, Char7: " and the message, in the words of the texts it was made with.
    std::string FullMessage;
};

class TcxRegExprErrors {
public:
    void Add(TcxRegExprError error) { items_.push_back(std::move(error)); }
    std::size_t Count() const { return items_.size(); }
    const TcxRegExprError& Items(std::size_t index) const { return items_.at(index); }
    void Clear() { items_.clear(); }
    bool Empty() const { return items_.empty(); }

private:
    std::vector<TcxRegExprError> items_;
};

// Carries its own copy of the list, so it outlives the next compile.
class EcxRegExprError : public EcxEditError {
public:
    explicit EcxRegExprError(TcxRegExprErrors errors);
    const TcxRegExprErrors& Errors() const { return errors_; }

private:
    TcxRegExprErrors errors_;
};
