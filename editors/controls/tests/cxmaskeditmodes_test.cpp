// The masked editor's modes driven as an editor drives them, over a string
// port: typing, caret keys, Backspace and Delete, paste and clicks.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/mask/cxmaskediterror.h"
#include "editors/controls/mask/cxmaskeditregexprexmode.h"
#include "editors/controls/mask/cxmaskeditstandardmode.h"
#include "editors/controls/tests/maskedit_stringport.h"

namespace {

TcxMaskEditModeOptions Options(bool ignoreMaskBlank = false)
{
    static const TFormatSettings settings = ChineseFormatSettings();
    TcxMaskEditModeOptions options;
    options.BeepOnError = true;
    options.IgnoreMaskBlank = ignoreMaskBlank;
    options.Settings = &settings;
    options.Texts = cxRegExprEnglishText;
    return options;
}

struct TScriptCase {
    const char* name;
    TcxEditMaskKind kind;
    const char* mask;
    const char* shown; // what the editor shows before the keys
    const char* keys;
    const char* text;
    int selStart, selLength, beeps;
};

class MaskEditScript : public testing::TestWithParam<TScriptCase> {};

TEST_P(MaskEditScript, LeavesTextSelectionAndBeeps)
{
    const TScriptCase& c = GetParam();
    TMaskStringPort port;
    const auto mode = cxCreateMaskEditMode(c.kind, &port, Options(), c.mask);
    port.Show(*mode, c.shown);
    port.Run(*mode, c.keys);
    EXPECT_EQ(port.Text(), c.text);
    EXPECT_EQ(port.Selection().Start, c.selStart);
    EXPECT_EQ(port.Selection().Length, c.selLength);
    EXPECT_EQ(port.beeps, c.beeps);
}

const TScriptCase kStandard[] = {
    {"typing steps over the separator", emkStandard, "00:00;1;_", "", "{K:0}1234", "12:34", 5, 0, 0},
    {"a refused key beeps and stays", emkStandard, "00:00;1;_", "", "{K:0}1a", "1_:__", 1, 1, 1},
    {"backspace blanks and steps back over the separator", emkStandard, "00:00;1;_", "", "{K:0}123{B}{B}",
     "1_:__", 1, 1, 0},
    {"delete blanks the box and keeps it", emkStandard, "00:00;1;_", "1234", "{K:1}{D}", "1_:34", 1, 1, 0},
    {"left goes back over the separator", emkStandard, "00:00;1;_", "1234", "{E}{L}{L}", "12:34", 3, 1, 0},
    {"home stops after a leading literal", emkStandard, "(000)", "123", "{E}{H}", "(123)", 1, 1, 0},
    {"left never lands on a leading literal", emkStandard, "(000)", "123", "{K:1}{L}", "(123)", 1, 1, 0},
    {"the mask's case", emkStandard, ">LL<ll", "", "{K:0}abCD", "ABcd", 4, 0, 0},
    {"a double-byte literal is stepped over whole", emkStandard, "00时00", "", "{K:0}1234", "12时34", 6, 0, 0},
    {"left steps back over it whole", emkStandard, "00时00", "1234", "{K:4}{L}", "12时34", 1, 1, 0},
    {"a pair takes two positions", emkStandard, "CC-CC", "", "{K:0}下ab", "下-ab", 5, 0, 0},
    {"a pair does not fit over a literal", emkStandard, "C-CC", "", "{K:0}下", "_-__", 0, 1, 1},
    {"a byte over half a pair blanks the other half", emkStandard, "00:00:00 CCCC", "01:30:00 上午",
     "{K:9}A", "01:30:00 A_午", 10, 1, 0},
    {"left from the end leaves whole characters", emkStandard, "00:00:00 CCCC", "01:30:00 上午",
     "{E}{L}{L}{L}", "01:30:00 上午", 7, 1, 0},
    {"shift+left selects the box and the one before", emkStandard, "0000", "1234", "{K:2}{SL}", "1234", 1, 2, 0},
    {"a cut blanks what it takes", emkStandard, "00:00;1;_", "1234", "{K:0}\x18", "_2:34", 0, 1, 0},
    {"shift+delete with nothing selected is backspace", emkStandard, "00:00;1;_", "1234", "{E}{SD}", "12:3_", 4, 1, 0},
    {"paste lays characters from the caret", emkStandard, "00:00;1;_", "", "{K:0}{P:1x23\r\n4}", "12:3_", 4, 1, 0},
};
INSTANTIATE_TEST_SUITE_P(Standard, MaskEditScript, testing::ValuesIn(kStandard),
                         [](const auto& info) { return std::to_string(info.index); });

const TScriptCase kRegExpr[] = {
    {"only digits", emkRegExpr, "[0-9]+", "", "1a2", "12", 2, 0, 1},
    {"the tail must still follow", emkRegExpr, "a[0-9]b", "a1b", "{K:1}{D}", "a", 1, 0, 0},
    {"typing in the middle", emkRegExpr, "[0-9]+", "1234", "{K:2}5", "12534", 3, 0, 0},
    {"a selection replaced", emkRegExpr, "[0-9]+", "1234", "{K:1}{SR}{SR}9", "194", 2, 0, 0},
    {"a refused key keeps the selection's text", emkRegExpr, "[0-9]+", "1234", "{K:1}{SR}x", "1234", 1, 1, 1},
    {"backspace over a pair takes both bytes", emkRegExpr, "[上下]+", "上下", "{E}{B}", "上", 2, 0, 0},
    {"left over a pair", emkRegExpr, "[上下]+", "上下", "{E}{L}x", "上下", 2, 0, 1},
    {"a refused pair goes whole", emkRegExpr, "('上')+", "上", "{E}下上", "上上", 4, 0, 1},
    {"the mask's case", emkRegExpr, "ab", "", "AB", "ab", 2, 0, 0},
    {"paste keeps what the mask takes", emkRegExpr, "[0-9]+", "19", "{K:1}{P:2x3\n4}", "1239", 3, 0, 0},
    {"a cut takes the selection out", emkRegExpr, "[0-9]+", "1234", "{K:1}{SR}{SR}{SD}", "14", 1, 0, 0},
    {"ctrl+left to the start", emkRegExpr, "[0-9]+", "123", "{E}{CL}0", "0123", 1, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(RegExpr, MaskEditScript, testing::ValuesIn(kRegExpr),
                         [](const auto& info) { return std::to_string(info.index); });

const TScriptCase kCompleting[] = {
    {"the separator follows the second digit", emkRegExprEx, "\\d\\d:\\d\\d", "", "12", "12:", 3, 0, 0},
    {"backspace takes a digit and its separator", emkRegExprEx, "\\d\\d:\\d\\d", "", "12{B}", "1", 1, 0, 0},
    {"delete takes a digit and its separator", emkRegExprEx, "\\d\\d:\\d\\d", "", "12{H}{R}{D}", "1", 1, 0, 0},
    {"left over a digit and its separator", emkRegExprEx, "\\d\\d:\\d\\d", "", "123{L}{L}9", "19:", 3, 0, 0},
    {"right over them again", emkRegExprEx, "\\d\\d:\\d\\d", "", "123{H}{R}{R}", "12:3", 3, 0, 0},
    {"a click inside the forced run", emkRegExprEx, "\\d\\d:\\d\\d", "", "1234{K:2}{B}", "1", 1, 0, 0},
    {"the forced prefix is there at once", emkRegExprEx, "'ID'\\d+", "", "{E}5", "ID5", 3, 0, 0},
    {"the forced prefix cannot go", emkRegExprEx, "'ID'\\d+", "", "{E}5{B}{B}", "ID", 2, 0, 1},
    {"typing before the prefix lands after it", emkRegExprEx, "'ID'\\d+", "ID5", "{H}7", "ID75", 3, 0, 0},
    {"a selection from the start gets the prefix back", emkRegExprEx, "'ID'\\d+", "ID5", "{K:0}{SE}7", "ID7", 3, 0, 0},
    {"a double-byte key completes its word", emkRegExprEx, "'上午'|'下午'", "", "下", "下午", 4, 0, 0},
    {"and goes with it", emkRegExprEx, "'上午'|'下午'", "", "下{B}", "", 0, 0, 0},
    {"a case-insensitive word", emkRegExprEx, "am|pm", "", "P", "pm", 2, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Completing, MaskEditScript, testing::ValuesIn(kCompleting),
                         [](const auto& info) { return std::to_string(info.index); });

struct TValidCase {
    TcxEditMaskKind kind;
    const char* mask;
    bool ignoreMaskBlank;
    const char* text;
    bool valid;
};

// The time editor's share: its own blank per position and its own check of a typed key.
class TTimeLikeMode : public TcxMaskEditStandardMode {
public:
    using TcxMaskEditStandardMode::TcxMaskEditStandardMode;
    char GetBlankCharAt(int position) override { return position < 2 ? '0' : '_'; }
};

class TTimeLikePort : public TMaskStringPort {
public:
    explicit TTimeLikePort(bool fillsZero) : fillsZero_(fillsZero) {}
    // Hours above 2 cannot start a 24-hour time: refused, or a zero put
    // before them with the caret moved on to take the key.
    bool IsCharValidAt(char& key, int position) override
    {
        if (position != 1 || key <= '2')
            return true;
        if (!fillsZero_) {
            key = 0;
            return true;
        }
        std::string text = Text();
        text[0] = '0';
        SetTextKeepingCaret(text);
        Select(1, 2);
        return true;
    }

private:
    bool fillsZero_;
};

TEST(MaskEditModes, TimeEditorHooks)
{
    const struct {
        bool fillsZero;
        const char* keys;
        const char* text;
        int beeps;
        int selStart;
    } cases[] = {
        {false, "{K:0}1234", "12:34", 0, 5},
        {false, "{K:0}31234", "12:34", 1, 5},
        {false, "{K:0}12{B}{B}", "00:__", 0, 0},
        {false, "{K:0}1234{K:0}{SR}{SR}{SR}{SR}{D}", "00:_4", 0, 0},
        // The key lands where the hook left the caret, and the caret steps on from there.
        {true, "{K:0}7", "07:__", 0, 3},
        {true, "{K:0}75", "07:5_", 0, 4},
    };
    for (const auto& c : cases) {
        TTimeLikePort port(c.fillsZero);
        TTimeLikeMode mode(&port, Options());
        mode.SetModeMask("00:00;1;_");
        port.Show(mode, "");
        port.Run(mode, c.keys);
        EXPECT_EQ(port.Text(), c.text) << c.keys;
        EXPECT_EQ(port.beeps, c.beeps) << c.keys;
        EXPECT_EQ(port.Selection().Start, c.selStart) << c.keys;
    }
}

TEST(MaskEditModes, CaretAtStartAndEnd)
{
    const struct {
        TcxEditMaskKind kind;
        const char* mask;
        const char* shown;
        const char* keys;
        bool atStart, atEnd;
    } cases[] = {
        {emkStandard, "(000)", "123", "{K:1}", true, false},
        {emkStandard, "(000)", "123", "{K:2}", false, false},
        {emkStandard, "(000)", "123", "{E}", false, true},
        {emkStandard, "(000)", "123", "{K:1}{SR}{SR}", true, false},
        {emkStandard, "(000)", "123", "{K:3}{SL}", false, false},
        {emkRegExpr, "[0-9]+", "123", "{H}", true, false},
        {emkRegExpr, "[0-9]+", "123", "{E}", false, true},
        {emkRegExprEx, "'ID'\\d+", "ID5", "{E}{L}", false, false},
    };
    for (const auto& c : cases) {
        TMaskStringPort port;
        const auto mode = cxCreateMaskEditMode(c.kind, &port, Options(), c.mask);
        port.Show(*mode, c.shown);
        port.Run(*mode, c.keys);
        EXPECT_EQ(mode->IsCaretAtStart(), c.atStart) << c.mask << " " << c.keys;
        EXPECT_EQ(mode->IsCaretAtEnd(), c.atEnd) << c.mask << " " << c.keys;
    }
}

TEST(MaskEditModes, ValueTextOfAShownText)
{
    const struct {
        const char* mask;
        TEditCharCase charCase;
        const char* shown;
        const char* value;
    } cases[] = {
        {"00:00;1;_", TEditCharCase::ecNormal, "12:3_", "12:3 "},
        {"00:00;0;_", TEditCharCase::ecNormal, "12:3_", "123 "},
        {">LL", TEditCharCase::ecNormal, "ab", "AB"},
        // With a CharCase the edit has already set the letters.
        {">LL", TEditCharCase::ecLowerCase, "ab", "ab"},
    };
    for (const auto& c : cases) {
        TcxMaskEditModeOptions options = Options();
        options.CharCase = c.charCase;
        const auto mode = cxCreateMaskEditMode(emkStandard, nullptr, options, c.mask);
        EXPECT_EQ(mode->GetValueTextOf(c.shown, true), c.value) << c.mask;
    }
}

TEST(MaskEditModes, SyncDisplayPutsTheCaretAtTheEndInStep)
{
    for (const TcxEditMaskKind kind : {emkRegExpr, emkRegExprEx}) {
        TMaskStringPort port;
        const auto mode = cxCreateMaskEditMode(kind, &port, Options(), "\\d\\d:\\d\\d");
        port.Show(*mode, "12:34");
        mode->SyncDisplay();
        const auto& regexpr = static_cast<const TcxMaskEditRegExprMode&>(*mode);
        EXPECT_EQ(port.Selection().Start, 5) << kind;
        EXPECT_EQ(regexpr.HeadText(), "12:34") << kind;
        EXPECT_EQ(regexpr.TailText(), "") << kind;
    }
}

TEST(MaskEditModes, OverwriteBoxCoversAWholeCharacter)
{
    const struct {
        int click;
        int start, length;
    } cases[] = {{9, 9, 2}, {11, 11, 2}, {8, 8, 1}, {13, 13, 0}};
    for (const auto& c : cases) {
        TMaskStringPort port;
        const auto mode = cxCreateMaskEditMode(emkStandard, &port, Options(), "00:00:00 CCCC");
        port.Show(*mode, "01:30:00 上午");
        port.Click(*mode, c.click);
        EXPECT_EQ(port.Selection().Start, c.start) << c.click;
        EXPECT_EQ(port.Selection().Length, c.length) << c.click;
    }
}

TEST(MaskEditModes, IsTextValid)
{
    const TValidCase cases[] = {
        {emkStandard, "00:00;1;_", false, "12:34", true},
        {emkStandard, "00:00;1;_", false, "__:__", false},
        {emkStandard, "00:00;1;_", true, "__:__", true},
        {emkStandard, "00:00;1;_", true, "1_:__", false},
        {emkRegExpr, "[0-9]+", false, "", true},
        {emkRegExpr, "[0-9]+", false, "12", true},
        {emkRegExpr, "[0-9]+", false, "1a", false},
        {emkRegExpr, "\\d\\d", false, "1", false},
        {emkRegExpr, "\\d\\d", true, "1", true},
        {emkRegExprEx, "'ID'\\d+", false, "ID", true},
        {emkRegExprEx, "'ID'\\d+", false, "", false},
        {emkRegExprEx, "'ID'\\d+", false, "ID5", true},
    };
    for (const auto& c : cases) {
        const auto mode = cxCreateMaskEditMode(c.kind, nullptr, Options(c.ignoreMaskBlank), c.mask);
        EXPECT_EQ(mode->IsTextValid(c.text), c.valid) << c.mask << " " << c.text;
    }
}

TEST(MaskEditModes, EmptyAndValueTexts)
{
    const struct {
        TcxEditMaskKind kind;
        const char* mask;
        const char* emptyValue;
        const char* applied; // "1x2" laid into the mask (the completing kind as typed)
    } cases[] = {
        {emkStandard, "00:00;1;_", "  :  ", "12:__"},
        {emkStandard, "00:00;0;_", "    ", "12:__"},
        {emkRegExpr, "[0-9]+", "", "12"},
        {emkRegExprEx, "'ID'\\d+", "ID", "ID12"},
        {emkRegExprEx, "\\d\\d:\\d\\d", "", "12:"},
    };
    for (const auto& c : cases) {
        const auto mode = cxCreateMaskEditMode(c.kind, nullptr, Options(), c.mask);
        EXPECT_EQ(mode->GetEmptyValue(), c.emptyValue) << c.mask;
        EXPECT_EQ(mode->ApplyMask("1x2", false), c.applied) << c.mask;
    }
}

TEST(MaskEditModes, BlankMaskIsNoMask)
{
    for (const TcxEditMaskKind kind : {emkStandard, emkRegExpr, emkRegExprEx}) {
        TMaskStringPort port;
        const auto mode = cxCreateMaskEditMode(kind, &port, Options(), " \t ");
        EXPECT_TRUE(mode->IsMaskAbsent());
        port.Show(*mode, "");
        port.Type(*mode, "x?");
        port.Press(*mode, TcxMaskEditKey::Left);
        port.Type(*mode, "1");
        EXPECT_EQ(port.Text(), "x1?") << kind;
    }
}

TEST(MaskEditModes, InvalidExpressionRaisesEveryError)
{
    for (const TcxEditMaskKind kind : {emkRegExpr, emkRegExprEx}) {
        try {
            cxCreateMaskEditMode(kind, nullptr, Options(), "a**|\r\n[");
            FAIL() << "compiled";
        } catch (const EcxMaskEditError& e) {
            EXPECT_STREQ(e.what(), "Regular expression errors:\r\nLine2, Char2: Missing ']'") << kind;
        }
    }
    // A mode keeps working with its old mask.
    TMaskStringPort port;
    const auto mode = cxCreateMaskEditMode(emkRegExpr, &port, Options(), "[0-9]+");
    EXPECT_THROW(mode->SetModeMask("[0-9"), EcxMaskEditError);
    port.Type(*mode, "1a2");
    EXPECT_EQ(port.Text(), "12");
    EXPECT_EQ(mode->EditMask(), "[0-9]+");
    // The standard kind takes any text.
    EXPECT_NO_THROW(cxCreateMaskEditMode(emkStandard, nullptr, Options(), "a**|["));
}

TEST(MaskEditModes, MegabytePasteEndsWithinTheMask)
{
    std::string big(1 << 20, '7');
    for (std::size_t i = 0; i < big.size(); i += 97)
        big[i] = 'x';
    const struct {
        TcxEditMaskKind kind;
        const char* mask;
        std::size_t size;
    } cases[] = {
        {emkStandard, "00:00;1;_", 5},
        {emkRegExpr, "[0-9]{1,8}", 8},
        {emkRegExprEx, "\\d\\d:\\d\\d", 5},
        // Unbounded: every digit stays, and the separators come with them.
        {emkRegExpr, "[0-9]+", big.size() - big.size() / 97 - 1},
        {emkRegExprEx, "(\\d\\d:)+", (big.size() - big.size() / 97 - 1) / 2 * 3 + 1},
    };
    for (const auto& c : cases) {
        TMaskStringPort port;
        // Blanks ignored: the check is that the mask takes every character.
        const auto mode = cxCreateMaskEditMode(c.kind, &port, Options(true), c.mask);
        port.Show(*mode, "");
        port.Click(*mode, 0);
        cxMaskEditPaste(*mode, port, big);
        EXPECT_EQ(port.Text().size(), c.size) << c.mask;
        EXPECT_TRUE(mode->IsTextValid(port.Text())) << c.mask;
    }
}

} // namespace
