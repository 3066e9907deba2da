#include "classlib/formdesc.h"

#include <gtest/gtest.h>

#include "classlib/exceptions.h"

TEST(FormDescription, NestingPropertiesAndQuotes)
{
    TFormNode root = ParseFormDescription(
        "# a comment\n"
        "Main: TForm\n"
        "  Caption = 语音 = 计算\n"
        "  Panel1: TPanel\n"
        "    Align = alTop\n"
        "    Label1: TLabel\n"
        "      Caption = \"行1 列0 \"\n"
        "  \n"
        "  Edit1: TEdit\r\n"
        "    Hint = a: b\n");
    EXPECT_EQ(root.name, "Main");
    EXPECT_EQ(root.className, "TForm");
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].value, "语音 = 计算");
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "Panel1");
    ASSERT_EQ(root.children[0].children.size(), 1u);
    EXPECT_EQ(root.children[0].children[0].properties[0].value, "行1 列0 ");
    EXPECT_EQ(root.children[1].className, "TEdit");
    EXPECT_EQ(root.children[1].properties[0].value, "a: b");
    EXPECT_EQ(root.children[1].line, 9);
}

TEST(FormDescription, MalformedTextIsAnError)
{
    const char* bad[] = {
        "",
        "  Caption = x\n",
        "Main: TForm\nOther: TForm\n",
        "Main: TForm\n  just words\n",
        "Main: TForm\n  Caption = \"open\n",
        "Main: TForm\n  bad name: TPanel\n",
    };
    for (const char* text : bad)
        EXPECT_THROW(ParseFormDescription(text), EComponentError) << text;
}
