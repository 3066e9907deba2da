// The evaluation passes, in the order they run over a bracket-free token list.
#pragma once

#include <array>
#include <string>
#include <string_view>

// Where a pass takes its operands from: the entry before the token, after it, both, or none.
enum class TPassOperands { None, Left, Right, Both };

// Result text written in place of the token; operands arrive as their texts.
using TPassApply = std::string (*)(const std::string& left, const std::string& right);

struct TPassToken {
    std::string_view name;  // upper case; matched case-insensitively
    TPassApply apply;
};

struct TCalcPass {
    // "*" and "/" (and "+" and "-", "INT" and "TRUNC") share one walk.
    std::array<TPassToken, 2> tokens;
    TPassOperands operands;

    // The entry for this token, or null when the pass leaves it alone.
    const TPassToken* find(std::string_view candidate) const;
};

inline constexpr std::size_t kCalcPassCount = 21;

extern const std::array<TCalcPass, kCalcPassCount> calcpasses;

// What a tangent of ±90, ±270 ... degrees leaves in the list (fails when read as a number).
inline constexpr std::string_view kTanInvalidText = "Tan()输入无效";
