// The regular-expression mask beyond the table: its contract around
// compiling, the sizes a hostile mask may reach, and the sets it keeps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editors/controls/regexpr/cxregexpr.h"

namespace {

const TFormatSettings& Settings()
{
    static const TFormatSettings settings = ChineseFormatSettings();
    return settings;
}

std::string FirstError(const std::string& mask)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    try {
        expr.Compile(mask);
    } catch (const EcxRegExprError& e) {
        return e.Errors().Items(0).FullMessage;
    }
    return "compiled";
}

std::string Repeated(const std::string& part, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

TEST(RegExpr, OperationsBeforeCompilingRaise)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    char c = 'a';
    EXPECT_THROW(expr.FeedChar(c), EcxEditError);
    EXPECT_THROW(expr.StepBack(), EcxEditError);
    EXPECT_THROW(expr.IsMatchComplete(), EcxEditError);
    try {
        expr.Rewind();
        FAIL();
    } catch (const EcxEditError& e) {
        EXPECT_STREQ(e.what(), "Regular expression is not compiled");
    }
    EXPECT_EQ(expr.SourceStream(), nullptr);
}

// A stream that says it holds bytes and gives none.
class TBrokenStream : public TStream {
public:
    std::size_t Read(void*, std::size_t) override { return 0; }
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Seek(std::int64_t, TSeekOrigin) override { return 0; }
    std::int64_t Size() override { return 16; }
    void SetSize(std::int64_t) override {}
};

TEST(RegExpr, FailedCompileLeavesNothingCompiled)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    TBrokenStream broken;
    for (TStream* stream : {static_cast<TStream*>(nullptr), static_cast<TStream*>(&broken)}) {
        expr.Compile("ab");
        ASSERT_NE(expr.SourceStream(), nullptr);
        EXPECT_EQ(expr.SourceStream()->Size(), 2);
        EXPECT_THROW(expr.Compile(stream), EcxRegExprError);
        EXPECT_FALSE(expr.IsCompiled());
        EXPECT_EQ(expr.SourceStream(), nullptr);
        ASSERT_EQ(expr.Errors().Count(), 1u);
        EXPECT_EQ(expr.Errors().Items(0).Message, "The source stream is not assigned");
    }
}

TEST(RegExpr, RaisedListOutlivesTheNextCompile)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    try {
        expr.Compile("a**|*");
        FAIL();
    } catch (const EcxRegExprError& e) {
        expr.Compile("b");
        ASSERT_EQ(e.Errors().Count(), 2u);
        EXPECT_EQ(e.Errors().Items(1).Line, 1);
        EXPECT_EQ(e.Errors().Items(1).Char, 5);
        EXPECT_EQ(std::string(e.what()), e.Errors().Items(0).FullMessage + "\r\n" + e.Errors().Items(1).FullMessage);
    }
}

TEST(RegExpr, MessagesComeThroughTheLookup)
{
    TcxRegExpr expr(Settings(), [](unsigned id) { return id == cxSRegExprLine ? "L" : id == cxSRegExprChar ? "C" : "<" + std::to_string(id) + ">%s"; });
    try {
        expr.Compile("a\r\n*(");
        FAIL();
    } catch (const EcxRegExprError& e) {
        EXPECT_EQ(e.Errors().Items(0).FullMessage, "<" + std::to_string(cxSRegExprMissing) + ">)");
    }
    try {
        expr.Compile("a\r\n**");
        FAIL();
    } catch (const EcxRegExprError& e) {
        EXPECT_EQ(e.Errors().Items(0).FullMessage, "L2, C2: <" + std::to_string(cxSRegExprCantUseStar) + ">");
    }
}

// Fault 4: sizes a mask may ask for stay within the budget.
TEST(RegExpr, HostileSizesAreTooComplex)
{
    const std::string tooComplex = "The expression is too complex";
    const struct {
        std::string Mask;
        bool Compiles;
    } rows[] = {
        {"x{65535}", true},
        {"x{0,500}", true},
        {Repeated("(", 900) + "a" + Repeated(")", 900), true},
        {Repeated("(", 1500) + "a" + Repeated(")", 1500), false},
        {"a+" + Repeated("?", 2000), false},
        {"(x)(\\1\\1)(\\2\\2)(\\3\\3)(\\4\\4)(\\5\\5)(\\6\\6)(\\7\\7)(\\8\\8)(\\9\\9)" + Repeated("\\9", 400), false},
        {"((x{99}){99}){99}", false},
        // A reference inside its own group copies all the group holds so
        // far, earlier copies included: each one doubles it.
        {"(ab" + Repeated("\\1", 10) + ")", true},
        {"(ab" + Repeated("\\1", 16) + ")", false},
        // Successor lists: every a? leads to each later one.
        {Repeated("a?", 1500) + "b", false},
        {Repeated("a?", 500) + "b", true},
    };
    for (const auto& row : rows) {
        const std::string error = FirstError(row.Mask);
        if (row.Compiles)
            EXPECT_EQ(error, "compiled") << row.Mask.substr(0, 40);
        else
            EXPECT_NE(error.find(tooComplex), std::string::npos) << row.Mask.substr(0, 40) << ": " << error;
    }
}

// Fault 3: a state is in a set once, however many paths reach it.
TEST(RegExpr, SetsHoldEachStateOnce)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    expr.Compile("(\\d+)*");
    for (int i = 0; i < 16; ++i) {
        char c = static_cast<char>('0' + i % 10);
        ASSERT_TRUE(expr.FeedChar(c));
        EXPECT_EQ(expr.Automat()->Current().Count(), 1u);
    }
    expr.Compile("(a|a|a)(a|a|a)");
    char a = 'a';
    ASSERT_TRUE(expr.FeedChar(a));
    EXPECT_EQ(expr.Automat()->Current().Count(), 3u);
}

TEST(RegExpr, RejectedByteChangesNothing)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    expr.Compile("ab|ac");
    char a = 'a', x = 'x';
    ASSERT_TRUE(expr.FeedChar(a));
    const TcxRegExprStates* before = &expr.Automat()->Current();
    EXPECT_FALSE(expr.FeedChar(x));
    EXPECT_EQ(&expr.Automat()->Current(), before);
    EXPECT_EQ(expr.Automat()->HistoryCount(), 1u);
    EXPECT_EQ(x, 'x');
}

TEST(RegExpr, RewindReturnsToTheStart)
{
    TcxRegExpr expr(Settings(), cxRegExprEnglishText);
    expr.Compile("a*b");
    EXPECT_TRUE(expr.IsAtStart());
    EXPECT_EQ(expr.FeedText("aaab"), "aaab");
    EXPECT_FALSE(expr.IsAtStart());
    expr.Rewind();
    EXPECT_TRUE(expr.IsAtStart());
    EXPECT_FALSE(expr.StepBack());
}

// The separators count as they are when a byte comes, not when compiled.
TEST(RegExpr, SeparatorsAreReadWhenMatching)
{
    TFormatSettings settings = ChineseFormatSettings();
    TcxRegExpr expr(settings, cxRegExprEnglishText);
    expr.Compile("\\d:\\d/");
    EXPECT_EQ(expr.FeedText("1:2/"), "1:2/");
    expr.Rewind();
    settings.TimeSeparator = '.';
    settings.DateSeparator = '-';
    EXPECT_EQ(expr.FeedText("1:.2/-"), "1.2-");
    EXPECT_TRUE(expr.IsMatchComplete());
}

} // namespace

namespace {

// A literal handler may recompile, free or rewire the expression it serves.
TEST(RegExpr, LiteralHandlersMayRecompileOrFreeTheExpression)
{
    auto expr = std::make_unique<TcxRegExpr>(Settings(), cxRegExprEnglishText);
    expr->SetLiteralCompletion(true);
    int added = 0;
    expr->OnLiteralAdded = [&](char) {
        ++added;
        expr->OnLiteralAdded = nullptr;
        expr->Compile("\\d");
    };
    expr->Compile("ab");
    EXPECT_EQ(added, 1);
    EXPECT_TRUE(expr->IsAtStart());
    char seven = '7';
    EXPECT_TRUE(expr->FeedChar(seven));

    expr->OnLiteralAdded = nullptr;
    expr->Compile("\\d'-'y'-'");
    char one = '1';
    ASSERT_TRUE(expr->FeedChar(one));
    int removed = 0;
    expr->OnLiteralRemoved = [&] {
        ++removed;
        expr.reset();
    };
    EXPECT_FALSE(expr->StepBack());
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(expr, nullptr);
}

} // namespace
