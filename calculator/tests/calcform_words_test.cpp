// Results whose tape text is in exponent form: their words and fields.
#include "calculator/tests/calcform_fixture.h"

TEST_F(CalcFormTest, ExponentResultsWithoutAPointGetWords)
{
    struct Case {
        int decimals;
        const char* keys;
        const char* line;
        const char* words;
    } cases[] = {
        // No point in the text: no decimals to read.
        {5, "1/50000", "1/50000=2E-5", "点"},
        {15, "1/1000000", "1/1000000=1E-6", "点"},
        {2, "10^15", "10^15=1E15", "壹亿点"},
    };
    for (const auto& c : cases) {
        SetTape("");
        form->SpinEdit1->SetValue(c.decimals);
        Type(c.keys);
        Type("=");
        EXPECT_EQ(Lines(), (std::vector<std::string>{c.line, ""})) << c.keys;
        std::string shown = std::string(c.line).substr(std::string(c.line).find('=') + 1);
        EXPECT_EQ(form->Edit5->Text(), shown) << c.keys;
        EXPECT_EQ(form->Edit4->Text(), c.words) << c.keys;
        EXPECT_EQ(form->Edit2->Text(), c.words) << c.keys;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalcFormTest, AResultTooLargeForWordsIsStillAResult)
{
    for (bool money : {false, true}) {
        form->CheckBox4->SetChecked(money);
        SetTape("2+3=5\r\n");
        Type("10^20=");
        // Computed, so no error: the line, the total and the fields follow; there are no words for it.
        EXPECT_EQ(Lines(), (std::vector<std::string>{"2+3=5", "10^20=1E20", ""})) << money;
        EXPECT_EQ(form->Edit5->Text(), "1E20") << money;
        EXPECT_EQ(form->Edit4->Text(), "") << money;
        EXPECT_EQ(form->Edit2->Text(), "") << money;
    }
    EXPECT_TRUE(Messages().empty());
}
