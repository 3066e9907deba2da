#include "editors/controls/regexpr/cxregexprautomat.h"

#include <algorithm>
#include <unordered_set>

#include "classlib/formatsettings.h"
#include "editors/controls/regexpr/cxregexpr.h"
#include "editors/controls/regexpr/cxregexprparser.h"

namespace {

// Past this many remembered sets, a restart forgets them.
constexpr std::size_t kPoolLimit = 4096;

void NumberAlternatives(TcxRegExprParserAlts& alts, std::vector<TcxRegExprState*>& states);

void NumberItem(TcxRegExprParserItem& item, std::vector<TcxRegExprState*>& states)
{
    if (auto* block = dynamic_cast<TcxRegExprParserBlockItem*>(&item)) {
        states.push_back(block->Start.get());
        states.push_back(block->Finish.get());
        NumberAlternatives(block->Alts, states);
    } else {
        states.push_back(item.Entry());
    }
}

void NumberAlternatives(TcxRegExprParserAlts& alts, std::vector<TcxRegExprState*>& states)
{
    for (const auto& alt : alts)
        for (const auto& item : alt->Items)
            NumberItem(*item, states);
}

} // namespace

std::size_t TcxRegExprAutomat::TKeyHash::operator()(const std::vector<unsigned>& key) const
{
    std::size_t hash = key.size();
    for (unsigned id : key)
        hash = hash * 1000003u ^ id;
    return hash;
}

TcxRegExprAutomat::TcxRegExprAutomat(TcxRegExprParserAlts alts, TcxRegExpr& owner)
    : owner_(owner), alts_(std::move(alts)), start_(std::make_unique<TcxRegExprSimpleState>())
{
    TcxRegExprLinker linker(TcxRegExprBudget::Successors);
    for (const auto& alt : alts_)
        linker.LinkEntries(*start_, *alt);
    start_->Final = std::any_of(alts_.begin(), alts_.end(), [](const auto& alt) { return alt->AllowsEmpty(); });
    NumberStates(alts_);
    Restart();
}

TcxRegExprAutomat::~TcxRegExprAutomat() = default;

void TcxRegExprAutomat::NumberStates(TcxRegExprParserAlts& alts)
{
    std::vector<TcxRegExprState*> states{start_.get()};
    NumberAlternatives(alts, states);
    for (std::size_t i = 0; i < states.size(); ++i)
        states[i]->Id = static_cast<unsigned>(i);
    stamps_.assign(states.size(), 0);
}

const TcxRegExprStates* TcxRegExprAutomat::Intern(std::vector<TcxRegExprState*>& states)
{
    std::vector<unsigned> key(states.size());
    std::transform(states.begin(), states.end(), key.begin(), [](const TcxRegExprState* s) { return s->Id; });
    auto& slot = pool_[std::move(key)];
    if (!slot) {
        slot = std::make_unique<TcxRegExprStates>();
        slot->Items = states;
        slot->hasFinal_ = std::any_of(states.begin(), states.end(), [](const TcxRegExprState* s) {
            return !s->IsPassThrough() && static_cast<const TcxRegExprSimpleState*>(s)->Final;
        });
    }
    return slot.get();
}

// The simple states one byte away from the set, seen through pass-through
// states, each taken once, in the order a depth-first walk first meets them.
template <class Keep>
void TcxRegExprAutomat::Walk(const TcxRegExprStates& from, Keep keep, std::vector<TcxRegExprState*>& out)
{
    out.clear();
    if (++stamp_ == 0) {
        std::fill(stamps_.begin(), stamps_.end(), 0u);
        stamp_ = 1;
    }
    for (const TcxRegExprState* member : from.Items) {
        walkStack_.assign(member->Successors.rbegin(), member->Successors.rend());
        while (!walkStack_.empty()) {
            TcxRegExprState* state = walkStack_.back();
            walkStack_.pop_back();
            if (stamps_[state->Id] == stamp_)
                continue;
            stamps_[state->Id] = stamp_;
            if (state->IsPassThrough())
                walkStack_.insert(walkStack_.end(), state->Successors.rbegin(), state->Successors.rend());
            else if (keep(static_cast<const TcxRegExprSimpleState&>(*state)))
                out.push_back(state);
        }
    }
}

const TcxRegExprStates* TcxRegExprAutomat::Expansion(const TcxRegExprStates& set)
{
    if (!set.expansion_) {
        Walk(set, [](const TcxRegExprSimpleState&) { return true; }, reached_);
        const_cast<TcxRegExprStates&>(set).expansion_ = Intern(reached_);
    }
    return set.expansion_;
}

void TcxRegExprAutomat::CheckStepsKey(bool caseInsensitive)
{
    const TFormatSettings& settings = owner_.Settings();
    if (caseInsensitive == stepsCaseInsensitive_ && settings.TimeSeparator == stepsTimeSeparator_ &&
        settings.DateSeparator == stepsDateSeparator_)
        return;
    for (auto& [key, set] : pool_)
        set->steps_.reset();
    stepsCaseInsensitive_ = caseInsensitive;
    stepsTimeSeparator_ = settings.TimeSeparator;
    stepsDateSeparator_ = settings.DateSeparator;
}

const TcxRegExprStates* TcxRegExprAutomat::Step(const TcxRegExprStates& from, char& c, bool caseInsensitive)
{
    auto& set = const_cast<TcxRegExprStates&>(from);
    const auto byte = static_cast<unsigned char>(c);
    if (set.steps_ && set.steps_->Known[byte]) {
        c = set.steps_->Out[byte];
        return set.steps_->Next[byte];
    }
    const TFormatSettings& settings = owner_.Settings();
    Walk(set, [&](const TcxRegExprSimpleState& s) { return s.Item->Check(byte, caseInsensitive, settings); },
         reached_);
    const TcxRegExprStates* next = nullptr;
    if (!reached_.empty()) {
        const auto* first = static_cast<const TcxRegExprSimpleState*>(reached_[0]);
        const bool oneSymbol = std::all_of(reached_.begin(), reached_.end(), [&](const TcxRegExprState* s) {
            const auto& item = *static_cast<const TcxRegExprSimpleState*>(s)->Item;
            return item.IsSymbol() && item.Literal(settings) == first->Item->Literal(settings);
        });
        if (caseInsensitive && oneSymbol)
            c = *first->Item->Literal(settings);
        next = Intern(reached_);
    }
    if (!set.steps_ && ++set.departures_ >= 2)
        set.steps_ = std::make_unique<TcxRegExprStates::TSteps>();
    if (set.steps_) {
        set.steps_->Known[byte] = true;
        set.steps_->Next[byte] = next;
        set.steps_->Out[byte] = c;
    }
    return next;
}

bool TcxRegExprAutomat::Advance(char& c, bool caseInsensitive)
{
    CheckStepsKey(caseInsensitive);
    char out = c;
    const TcxRegExprStates* next = Step(*current_, out, caseInsensitive);
    if (!next)
        return false;
    history_.push_back(current_);
    current_ = next;
    c = out;
    return true;
}

bool TcxRegExprAutomat::GoBack()
{
    if (history_.empty())
        return false;
    current_ = history_.back();
    history_.pop_back();
    return true;
}

void TcxRegExprAutomat::Restart()
{
    history_.clear();
    if (pool_.size() > kPoolLimit)
        pool_.clear();
    std::vector<TcxRegExprState*> start{start_.get()};
    current_ = Intern(start);
}

bool TcxRegExprAutomat::ForcedLiteral(const TcxRegExprStates& set, char& c) const
{
    if (set.Items.empty())
        return false;
    const TFormatSettings& settings = owner_.Settings();
    for (std::size_t i = 0; i < set.Items.size(); ++i) {
        const TcxRegExprState* state = set.Items[i];
        if (state->IsPassThrough())
            return false;
        const auto& item = static_cast<const TcxRegExprSimpleState*>(state)->Item;
        const std::optional<char> literal = item ? item->Literal(settings) : std::nullopt;
        if (!literal || (i > 0 && *literal != c))
            return false;
        c = *literal;
    }
    return true;
}

template <class... Args>
bool TcxRegExprAutomat::Notify(const std::function<void(Args...)>& handler, Args... args)
{
    if (!handler)
        return true;
    const std::weak_ptr<char> alive = alive_;
    const auto copy = handler;
    copy(args...);
    return !alive.expired();
}

bool TcxRegExprAutomat::CompleteLiterals()
{
    // A set met twice would force the same literals for ever; a long forced
    // run (x{9999}) makes a list too slow to search.
    std::unordered_set<const TcxRegExprStates*> seen{current_};
    char c = 0;
    while (!current_->HasFinal()) {
        const TcxRegExprStates* next = Expansion(*current_);
        if (!ForcedLiteral(*next, c) || !seen.insert(next).second)
            return true;
        // The handler may recompile or free the expression.
        if (!Notify(owner_.OnLiteralAdded, c))
            return false;
        history_.push_back(current_);
        current_ = next;
    }
    return true;
}

bool TcxRegExprAutomat::UndoLiterals()
{
    char c = 0;
    while (ForcedLiteral(*current_, c) && !history_.empty()) {
        const TcxRegExprStates* previous = history_.back();
        if (previous->HasFinal() || !ForcedLiteral(*Expansion(*previous), c))
            return true;
        history_.pop_back();
        current_ = previous;
        if (!Notify(owner_.OnLiteralRemoved))
            return false;
    }
    return true;
}
