// Whatever the tape holds, the engine answers with a value or an ECalcError.
#include "calculator/calcengine.h"
#include "calculator/calcerror.h"
#include "calculator/numbertext.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Either a value with the list holding its one result, or a clean failure.
bool EvaluatesOrFails(const std::string& tape, std::size_t caret, long double* value = nullptr)
{
    TCalcEngine engine;
    engine.onLeftoverTokens = [](const std::string&) {};
    engine.splitexpr(tape, caret);
    if (engine.explist.empty()) {
        return true;
    }
    try {
        const long double result = engine.calcbracket();
        if (value != nullptr) {
            *value = result;
        }
        return engine.explist.size() == 1;
    } catch (const ECalcError&) {
        return true;
    }
}

std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(BadInputTest, HundredThousandCharacterLines)
{
    long double value = 0;
    const std::string sum = std::string("1").append(Repeated("+1", 49999));
    ASSERT_TRUE(EvaluatesOrFails(sum, sum.size(), &value));
    EXPECT_EQ(value, 50000);

    const std::string products = std::string("1").append(Repeated("*1/1", 25000));
    ASSERT_TRUE(EvaluatesOrFails(products, products.size(), &value));
    EXPECT_EQ(value, 1);

    EXPECT_TRUE(EvaluatesOrFails(std::string(100000, '9'), 100000));
    EXPECT_TRUE(EvaluatesOrFails(std::string(100000, '('), 100000));
    EXPECT_TRUE(EvaluatesOrFails(std::string(100000, ')'), 100000));
    EXPECT_TRUE(EvaluatesOrFails(Repeated("2^", 50000).append("2"), 100000));
    EXPECT_TRUE(EvaluatesOrFails(Repeated("9!", 50000), 100000));
}

TEST(BadInputTest, ThousandsOfNestedBrackets)
{
    long double value = 0;
    const std::string deep = std::string(50000, '(').append("1").append(50000, ')');
    ASSERT_TRUE(EvaluatesOrFails(deep, deep.size(), &value));
    EXPECT_EQ(value, 1);

    const std::string roots = Repeated("sqrt(", 10000).append("16").append(10000, ')');
    ASSERT_TRUE(EvaluatesOrFails(roots, roots.size(), &value));
    EXPECT_NEAR(static_cast<double>(value), 1.0, 1E-13);  // every root is cut to 15 digits

    const std::string sums = Repeated("(1+", 20000).append("1").append(20000, ')');
    ASSERT_TRUE(EvaluatesOrFails(sums, sums.size(), &value));
    EXPECT_EQ(value, 20001);

    EXPECT_TRUE(EvaluatesOrFails(std::string(50000, '(').append("1"), 50001));
    EXPECT_TRUE(EvaluatesOrFails(std::string(30000, ')').append("1").append(30000, '('), 60001));
}

TEST(BadInputTest, EveryByteValueAtEveryCaret)
{
    std::string tape;
    for (int byte = 0; byte < 256; ++byte) {
        tape += static_cast<char>(byte);
    }
    for (std::size_t caret = 0; caret <= tape.size() + 1; ++caret) {
        EXPECT_TRUE(EvaluatesOrFails(tape, caret)) << caret;
    }
    for (int byte = 0; byte < 256; ++byte) {
        const std::string around = std::string("1").append(1, static_cast<char>(byte)).append("2");
        EXPECT_TRUE(EvaluatesOrFails(around, around.size())) << byte;
    }
}

TEST(BadInputTest, GbkHalvesAndTheThereforeSign)
{
    for (const char* tape : {"\xA1\xE0", "\xA1", "\xE0", "\xE0\xA1", "\xA1\xE0\xA1\xE0", "\xA1\xE0(", "\x81",
                             "5+\xA1", "\xA1\xE0\r\n=\r\n\xA1", "=\r", "\r=", "\xA1\xE0=\r\n2",
                             "\xB0\xA1\xE0\xB0" "1+2"}) {
        const std::string text = tape;
        for (std::size_t caret = 0; caret <= text.size(); ++caret) {
            EXPECT_TRUE(EvaluatesOrFails(text, caret)) << caret;
        }
    }
}

TEST(BadInputTest, RandomTapes)
{
    // Bytes weighted toward what the tokenizer cares about, fixed seed.
    const std::string alphabet = "0123456789.E+-*/^!%()=\r\n sinPIclear\xA1\xE0\x81";
    std::mt19937 random(20260101);
    for (int round = 0; round < 3000; ++round) {
        std::string tape(random() % 80, ' ');
        for (char& c : tape) {
            c = random() % 8 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        }
        const std::size_t caret = tape.empty() ? 0 : random() % (tape.size() + 1);
        EXPECT_TRUE(EvaluatesOrFails(tape, caret)) << round;
    }
}

}  // namespace
