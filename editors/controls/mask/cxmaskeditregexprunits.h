// Feeding a regular-expression mask whole characters at a time.
#pragma once

#include <string>
#include <string_view>

#include "editors/controls/regexpr/cxregexpr.h"

// Feeds one character (both bytes of a double-byte one, or neither). A
// single byte may take the mask's letter case; a trail byte never changes.
bool cxRegExprFeedUnit(TcxRegExpr& expr, std::string& unit);
// Feeds the bytes of a text already shown, as the automaton reads any
// text, up to the first it refuses; how many it took.
std::size_t cxRegExprFeedBytes(TcxRegExpr& expr, std::string_view text);
// Feeds text from where expr stands, skipping the characters it refuses;
// the accepted ones as given. Completing, the characters the mask forces
// are fed and kept before each character of text.
std::string cxRegExprFeedAccepted(TcxRegExpr& expr, const std::string& text, bool completing = false);
// The characters the mask forces from where expr stands; expr stays there.
std::string cxRegExprForcedRun(TcxRegExpr& expr);
