// The run-time half of a regular-expression mask: the set of states the text
// so far can be in, its history for stepping back, and literal completion.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "editors/controls/regexpr/cxregexprparseritems.h"

class TcxRegExpr;

// A set of states, each at most once, in the order first reached. Equal sets
// are one object, shared by the history; each remembers where a byte leads.
class TcxRegExprStates {
public:
    std::size_t Count() const { return Items.size(); }
    TcxRegExprState* operator[](std::size_t index) const { return Items[index]; }
    bool HasFinal() const { return hasFinal_; }

    std::vector<TcxRegExprState*> Items;

private:
    friend class TcxRegExprAutomat;
    struct TSteps {
        std::array<const TcxRegExprStates*, 256> Next{};
        std::array<char, 256> Out{};
        std::array<bool, 256> Known{};
    };
    bool hasFinal_ = false;
    const TcxRegExprStates* expansion_ = nullptr;
    // Taken once a set is left a second time, so one-off sets cost no table.
    std::unique_ptr<TSteps> steps_;
    unsigned departures_ = 0;
};

class TcxRegExprAutomat {
public:
    TcxRegExprAutomat(TcxRegExprParserAlts alts, TcxRegExpr& owner);
    ~TcxRegExprAutomat();

    // The byte becomes the mask's own character only when every state that
    // took it is a symbol of that one character.
    bool Advance(char& c, bool caseInsensitive);
    bool GoBack();
    void Restart();
    bool IsFinal() const { return current_->HasFinal(); }
    bool IsAtStart() const { return !current_->Items.empty() && current_->Items[0] == start_.get(); }
    // Both answer false when a notification freed the automaton meanwhile.
    bool CompleteLiterals();
    bool UndoLiterals();

    const TcxRegExprStates& Current() const { return *current_; }
    std::size_t HistoryCount() const { return history_.size(); }
    std::size_t StateCount() const { return stamps_.size(); }

private:
    struct TKeyHash {
        std::size_t operator()(const std::vector<unsigned>& key) const;
    };
    const TcxRegExprStates* Intern(std::vector<TcxRegExprState*>& states);
    template <class Keep>
    void Walk(const TcxRegExprStates& from, Keep keep, std::vector<TcxRegExprState*>& out);
    const TcxRegExprStates* Expansion(const TcxRegExprStates& set);
    const TcxRegExprStates* Step(const TcxRegExprStates& set, char& c, bool caseInsensitive);
    bool ForcedLiteral(const TcxRegExprStates& set, char& c) const;
    void NumberStates(TcxRegExprParserAlts& alts);
    void CheckStepsKey(bool caseInsensitive);
    // Calls a notification through a copy; false when the call freed this automaton.
    template <class... Args>
    bool Notify(const std::function<void(Args...)>& handler, Args... args);

    TcxRegExpr& owner_;
    TcxRegExprParserAlts alts_;
    std::unique_ptr<TcxRegExprSimpleState> start_;
    std::unordered_map<std::vector<unsigned>, std::unique_ptr<TcxRegExprStates>, TKeyHash> pool_;
    const TcxRegExprStates* current_ = nullptr;
    std::vector<const TcxRegExprStates*> history_;
    std::vector<unsigned> stamps_;
    unsigned stamp_ = 0;
    std::vector<TcxRegExprState*> walkStack_, reached_;
    // What the remembered steps were taken under.
    bool stepsCaseInsensitive_ = false;
    char stepsTimeSeparator_ = 0, stepsDateSeparator_ = 0;
    // Expires with the automaton, so a notification can tell it was freed.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};
