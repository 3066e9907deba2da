// A spin step of a time editor's text: the item under the caret moves by
// its step inside 0..86399, and the item stays selected.
#pragma once

#include <optional>
#include <string>

#include "classlib/formatsettings.h"
#include "editors/controls/spin/cxspinvalue.h"
#include "editors/controls/time/cxtimeitems.h"

// Seconds: 3600, 60 or 1 by the item, the minutes and seconds ten times for
// the fast kinds, negative for the backward ones. On the designator
// +-43200 towards the other half of the day, whatever the kind.
double cxTimeIncrement(TcxSpinButtonKind kind, TcxTimeItemKind item, int seconds);

struct TcxTimeStep {
    std::string Text;
    bool Changed = false;
    // 0-based; the stepped digit item's second digit, or the designator
    // the step leads to.
    int SelStart = 0;
    int SelLength = 0;
};

// The step of kind at the caret selStart. Without Circular a step past
// 0..86399 changes nothing; with it the time lands on the other bound.
// None when the text does not read as seconds: there is nothing to step.
std::optional<TcxTimeStep> cxTimeStep(const std::string& text, int selStart, TcxSpinButtonKind kind,
                                      const TcxTimeEditFormat& format, bool circular, const TFormatSettings& settings);
