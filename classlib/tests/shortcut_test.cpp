// Shortcut words: the key with modifier bits, and back.
#include "classlib/shortcut.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortCut, PacksKeyAndModifiersAndUnpacksThem)
{
    struct Case {
        WORD key;
        TShiftState shift;
        TShortCut word;
    } cases[] = {{VK_RETURN, ssCtrl, 16397}, {'A', 0, 'A'}, {VK_DELETE, ssShift | ssCtrl | ssAlt, 0xE000 | VK_DELETE}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShortCut(c.key, c.shift), c.word);
        WORD key = 0;
        TShiftState shift = ssDouble;
        ShortCutToKey(c.word, key, shift);
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(shift, c.shift);
    }
    EXPECT_EQ(ShortCut(0x1A0, ssCtrl), 0) << "a key wider than a byte has no shortcut";
}

} // namespace
