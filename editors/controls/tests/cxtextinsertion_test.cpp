// Where typing, pasting and cutting leave a text editor's text and caret:
// MaxLength in characters, whole GBK characters, the list modes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editors/controls/text/cxtextinsertion.h"

namespace {

struct Row {
    const char* why;
    TcxTextInsertionRequest request;
    std::optional<std::string> text; // none: refused
    int caret = 0;
};

constexpr bool kKeys = true, kProgram = false;

TEST(TextInsertion, NewTextAndCaret)
{
    const std::string mebibyte(1 << 20, 'x');
    const Row rows[] = {
        {"plain typing replaces the selection", {"abc", 1, 1, "XY", kKeys, temEdit, 0}, "aXYc", 3},
        {"MaxLength 5, full, caret at the end: nothing changes", {"abcde", 5, 0, "x", kKeys, temEdit, 5}, "abcde", 5},
        {"MaxLength 5, all selected: a paste keeps its first five", {"abcde", 0, 5, "1234567", kKeys, temEdit, 5},
         "12345", 5},
        {"a double-byte character counts once", {"上午", 4, 0, "下", kKeys, temEdit, 3}, "上午下", 6},
        {"no room for it", {"上午", 4, 0, "下", kKeys, temEdit, 2}, "上午", 4},
        {"the cut never halves a character", {"a", 1, 0, "上午", kKeys, temEdit, 2}, "a上", 3},
        {"the text after the selection is cut too", {"ab", 1, 0, "上午", kKeys, temEdit, 3}, "a上午", 5},
        {"a caret left before the selection is refused", {"abcdef", 4, 0, "x", kKeys, temEdit, 3}, std::nullopt},
        {"the program's own text ignores MaxLength", {"ab", 2, 0, "cd", kProgram, temEdit, 2}, "abcd", 4},
        {"a list mode ignores MaxLength", {"ab", 2, 0, "cd", kKeys, temEditList, 2}, "abcd", 4},
        {"a fixed list takes the inserted text alone", {"apple", 1, 0, "ban", kKeys, temFixedList, 0}, "ban", 3},
        {"no typing in temNoEdit", {"abc", 1, 1, "x", kKeys, temNoEdit, 0}, std::nullopt},
        {"the program replaces all in temNoEdit", {"abc", 1, 1, "x", kProgram, temNoEdit, 0}, "x", 1},
        {"a selection inside a character starts after it", {"上午", 1, 0, "x", kKeys, temEdit, 0}, "上x午", 3},
        {"a lead byte ending the text does not pair with the next", {"x\xC9", 2, 0, "a", kKeys, temEdit, 0}, "xa", 2},
        {"nor one ending the inserted text", {"ab", 1, 0, "\xC9", kKeys, temEdit, 0}, "ab", 1},
        {"a lone lead byte at the very end stays", {"ab", 2, 0, "\xC9", kKeys, temEdit, 0}, "ab\xC9", 3},
        {"a selection beyond the text is clamped", {"abc", -5, 100, "x", kKeys, temEdit, 0}, "x", 1},
        {"a mebibyte under MaxLength", {"", 0, 0, mebibyte, kKeys, temEdit, 10}, std::string(10, 'x'), 10},
    };
    for (const auto& r : rows) {
        const auto result = cxPrepareTextInsertion(r.request);
        ASSERT_EQ(result.has_value(), r.text.has_value()) << r.why;
        if (!result)
            continue;
        EXPECT_EQ(result->Text, *r.text) << r.why;
        EXPECT_EQ(result->Caret, r.caret) << r.why;
    }
}

TEST(TextInsertion, AMebibytePasteWithoutMaxLengthArrivesWhole)
{
    std::string paste;
    for (int i = 0; paste.size() < (1u << 20); ++i)
        paste += i % 3 ? "下午" : "7";
    const auto result = cxPrepareTextInsertion({"<>", 1, 0, paste, kKeys, temEdit, 0});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Text, "<" + paste + ">");
    EXPECT_EQ(result->Caret, static_cast<int>(paste.size()) + 1);
}

} // namespace
