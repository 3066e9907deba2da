// Seeded random masks and texts for the PCRE2 comparison: small masks over a
// handful of bytes, so that texts typed into them are often accepted.
#pragma once

#include <random>
#include <string>

class TRegExprCaseGenerator {
public:
    explicit TRegExprCaseGenerator(unsigned seed) : random_(seed) {}
    std::string Mask() { blocks_ = 0; return Alternatives(2); }
    std::string Text();
    bool Coin() { return Pick(2) == 0; }

private:
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    std::string Alternatives(int depth);
    std::string Item(int depth);
    std::string Atom(int depth);
    std::string Quantifier();

    std::mt19937 random_;
    int blocks_ = 0;
};
