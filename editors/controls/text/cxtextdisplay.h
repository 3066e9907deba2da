// What a text editor shows of its text, and which of its bounds hold.
#pragma once

#include <string>

#include "classlib/charcase.h"
#include "editors/controls/text/cxtexteditmodes.h"

// In password mode one mask character (PasswordChar, or '*' for #0) per
// byte of the text; otherwise the text in its letter case.
std::string ApplyEchoAndCase(const std::string& text, TcxEditEchoMode echoMode, char passwordChar,
                             TEditCharCase charCase);

// The effective MinValue and MaxValue and whether each was assigned.
struct TcxEditBounds {
    bool MinAssigned = false;
    bool MaxAssigned = false;
    double MinValue = 0;
    double MaxValue = 0;
};

// Whether bound `which` (0 MinValue, 1 MaxValue) is checked: the assigned
// one alone when only one is, else both exactly when MaxValue > MinValue.
bool IsBoundApplied(const TcxEditBounds& bounds, int which);
