// The held-out table of regexmask_cases.inc run against both masks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/controls/regexpr/cxregexpr.h"
#include "editors/controls/standardmask/cxstandardmask.h"

namespace {

constexpr unsigned kCI = 1, kLC = 2, kAlt = 4;

struct TCompileErrorCase {
    const char* Mask;
    std::vector<std::string> Messages;
};
struct TFeedCase {
    const char* Mask;
    unsigned Flags;
    const char* Input;
    const char* Accepted;
    const char* Text;
    bool Complete;
};
struct TFeedTextCase {
    const char* Mask;
    unsigned Flags;
    const char* Text;
    const char* Accepted;
    bool Complete;
};
struct TStepBackCase {
    const char* Mask;
    unsigned Flags;
    const char* Input;
    const char* Answers;
    std::vector<std::string> Texts;
    int Removed;
};
struct TStandardMaskCase {
    const char* Mask;
    unsigned Flags;
    std::size_t Count;
    bool FillFromRight, KeepLiterals;
    char BlankChar;
    const char* EmptyText;
    const char* EmptyValue;
};
struct TApplyCase {
    const char* Mask;
    unsigned Flags;
    const char* Text;
    bool ApplyCase, TextHasLiterals;
    const char* Result;
};
struct TValueTextCase {
    const char* Mask;
    unsigned Flags;
    const char* Text;
    const char* Value;
};
struct TValidCase {
    const char* Mask;
    unsigned Flags;
    const char* Text;
    bool Valid;
    const char* After;
};

#include "editors/controls/tests/regexmask_cases.inc"

TFormatSettings SettingsFor(unsigned flags)
{
    TFormatSettings settings = ChineseFormatSettings();
    if (flags & kAlt) {
        settings.TimeSeparator = '.';
        settings.DateSeparator = '-';
        settings.DecimalSeparator = ',';
    }
    return settings;
}

std::vector<std::string> CompileMessages(const std::string& mask)
{
    const TFormatSettings settings = ChineseFormatSettings();
    TcxRegExpr expr(settings, cxRegExprEnglishText);
    try {
        expr.Compile(mask);
    } catch (const EcxRegExprError& e) {
        std::vector<std::string> messages;
        for (std::size_t i = 0; i < e.Errors().Count(); ++i)
            messages.push_back(e.Errors().Items(i).FullMessage);
        EXPECT_FALSE(expr.IsCompiled());
        return messages;
    }
    return {};
}

// A mask compiled as a row's flags say, with the text an editor would hold.
struct TTypedMask {
    explicit TTypedMask(const char* mask, unsigned flags) : Settings(SettingsFor(flags)), Expr(Settings, cxRegExprEnglishText)
    {
        Expr.OnLiteralAdded = [this](char c) { Added += c; };
        Expr.OnLiteralRemoved = [this] { ++Removed, Text.pop_back(); };
        Expr.SetCaseInsensitive(flags & kCI);
        Expr.SetLiteralCompletion(flags & kLC);
        Expr.Compile(std::string(mask));
        Text = Added;
    }
    bool Feed(char c)
    {
        Added.clear();
        const bool accepted = Expr.FeedChar(c);
        Text += (accepted ? std::string(1, c) : std::string()) + Added;
        return accepted;
    }

    TFormatSettings Settings;
    TcxRegExpr Expr;
    std::string Text, Added;
    int Removed = 0;
};

TEST(RegExprCases, CompileErrors)
{
    for (const auto& row : kCompileErrorCases)
        EXPECT_EQ(CompileMessages(row.Mask), row.Messages) << "mask " << row.Mask;
}

TEST(RegExprCases, FeedChar)
{
    for (const auto& row : kFeedCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask + " input " + row.Input);
        TTypedMask typed(row.Mask, row.Flags);
        std::string accepted;
        for (const char* p = row.Input; *p; ++p)
            accepted += typed.Feed(*p) ? '1' : '0';
        EXPECT_EQ(accepted, row.Accepted);
        EXPECT_EQ(typed.Text, row.Text);
        EXPECT_EQ(typed.Expr.IsMatchComplete(), row.Complete);
    }
}

TEST(RegExprCases, FeedText)
{
    for (const auto& row : kFeedTextCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask + " text " + row.Text);
        TTypedMask typed(row.Mask, row.Flags);
        EXPECT_EQ(typed.Expr.FeedText(row.Text), row.Accepted);
        EXPECT_EQ(typed.Expr.IsMatchComplete(), row.Complete);
    }
}

TEST(RegExprCases, StepBack)
{
    for (const auto& row : kStepBackCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask + " input " + row.Input);
        TTypedMask typed(row.Mask, row.Flags);
        for (const char* p = row.Input; *p; ++p)
            ASSERT_TRUE(typed.Feed(*p));
        std::string answers;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < row.Texts.size(); ++i) {
            const bool back = typed.Expr.StepBack();
            if (back)
                typed.Text.pop_back();
            answers += back ? '1' : '0';
            texts.push_back(typed.Text);
        }
        EXPECT_EQ(answers, row.Answers);
        EXPECT_EQ(texts, row.Texts);
        EXPECT_EQ(typed.Removed, row.Removed);
    }
}

TEST(StandardMaskCases, SetMask)
{
    for (const auto& row : kStandardMaskCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask);
        TcxStandardMask mask;
        mask.SetMask(row.Mask, SettingsFor(row.Flags));
        EXPECT_EQ(mask.Count(), row.Count);
        EXPECT_EQ(mask.FillFromRight, row.FillFromRight);
        EXPECT_EQ(mask.KeepLiterals, row.KeepLiterals);
        EXPECT_EQ(mask.BlankChar, row.BlankChar);
        EXPECT_EQ(mask.GetEmptyText(), row.EmptyText);
        EXPECT_EQ(mask.GetEmptyValue(), row.EmptyValue);
        EXPECT_EQ(mask.MaskText, row.Mask);
    }
}

TEST(StandardMaskCases, ApplyToText)
{
    for (const auto& row : kApplyCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask + " text " + row.Text);
        TcxStandardMask mask;
        mask.SetMask(row.Mask, SettingsFor(row.Flags));
        std::string text = row.Text;
        mask.ApplyToText(text, row.ApplyCase, row.TextHasLiterals);
        EXPECT_EQ(text, row.Result);
    }
}

TEST(StandardMaskCases, GetValueText)
{
    for (const auto& row : kValueTextCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask + " text " + row.Text);
        TcxStandardMask mask;
        mask.SetMask(row.Mask, SettingsFor(row.Flags));
        std::string text = row.Text;
        mask.GetValueText(text);
        EXPECT_EQ(text, row.Value);
    }
}

TEST(StandardMaskCases, IsTextValid)
{
    for (const auto& row : kValidCases) {
        SCOPED_TRACE(std::string("mask ") + row.Mask + " text " + row.Text);
        TcxStandardMask mask;
        mask.SetMask(row.Mask, SettingsFor(row.Flags));
        std::string text = row.Text;
        EXPECT_EQ(mask.IsTextValid(text), row.Valid);
        EXPECT_EQ(text, row.After);
    }
}

} // namespace
