// The spin editor's arithmetic: the signed step of a button, the bounds a
// step keeps to and where a step from a value lands, for whole numbers in
// 64 bits and for doubles.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "editors/controls/text/cxtextdisplay.h"

enum TcxSpinEditValueType { vtInt, vtFloat };

// The argument of DoIncrement and GetIncrement, and the buttons' indices.
enum TcxSpinButtonKind { sbkBackward, sbkForward, sbkFastBackward, sbkFastForward };

// What a step beyond a bound does: nothing, stop at it, or go to the other one.
enum TcxSpinBoundsMode { sbmNone, sbmClamp, sbmWrap };

// Circular wraps; otherwise editors with default bounds clamp, the others refuse.
TcxSpinBoundsMode cxSpinBoundsMode(bool circular, bool hasDefaultBounds);

// A value in one of the two types.
using TcxSpinNumber = std::variant<std::int64_t, double>;

// A whole number, ties to even; beyond the Int64 range its nearest limit;
// none for NaN.
std::optional<std::int64_t> cxSaturatedInt64(long double value);
// The value in the type: vtInt through cxSaturatedInt64, vtFloat as a double.
std::optional<TcxSpinNumber> cxToSpinValueType(const TcxSpinNumber& value, TcxSpinEditValueType type);

struct TcxSpinSettings {
    TcxSpinEditValueType ValueType = vtFloat;
    double Increment = 1.0;
    double LargeIncrement = 10.0;
    TcxEditBounds Bounds;
    TcxSpinBoundsMode BoundsMode = sbmClamp;
};

// LargeIncrement for the fast kinds, else Increment; for vtInt rounded;
// negated for the backward kinds.
double cxSpinIncrement(const TcxSpinSettings& settings, TcxSpinButtonKind kind);

// The bounds a step keeps to, in the value type: MinValue and MaxValue
// where IsBoundApplied, else the type's widest (the double range, or the
// 32-bit one for vtInt). None when a bound is NaN or they cross.
struct TcxSpinRange {
    TcxSpinNumber Lower, Upper;
};
std::optional<TcxSpinRange> cxSpinRange(const TcxSpinSettings& settings);

// value + step inside the range. A value already outside first goes to the
// nearer bound, or with wrapping to the opposite one. A sum beyond a bound
// fails (sbmNone), stops at it (sbmClamp) or lands on the other bound
// (sbmWrap). None when the step fails or value or step is NaN.
std::optional<TcxSpinNumber> cxSpinStepBy(const TcxSpinSettings& settings, const TcxSpinNumber& value, double step);
// The same by the step of a button kind.
std::optional<TcxSpinNumber> cxSpinStep(const TcxSpinSettings& settings, const TcxSpinNumber& value,
                                        TcxSpinButtonKind kind);

// The number as a double.
double cxSpinNumberAsDouble(const TcxSpinNumber& value);
