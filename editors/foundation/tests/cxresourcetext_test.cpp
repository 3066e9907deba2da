#include <gtest/gtest.h>

#include "editors/foundation/core/cxresourcetext.h"

namespace {

TEST(ResourceTexts, ComeFromTheProgramsStringTableAndAMissingIdIsEmpty)
{
    EXPECT_EQ(cxGetResourceText(cxSEditInvalidInput), "Invalid input value. Use escape key to abandon changes");
    EXPECT_EQ(cxGetResourceText(cxSScrollBarOutOfRange), "Scrollbar property out of range");
    EXPECT_EQ(cxGetResourceText(cxSEditRepositoryItemNotAcceptable), "The repository item is not acceptable");
    EXPECT_EQ(cxGetResourceText(0xEFFF), "");
}

TEST(ResourceTexts, AnOverrideReplacesByLoadedTextOrById)
{
    cxSetResourceTextOverride(TcxResourceTextOverride::ByLoadedText, {"Line"}, {"Zeile"});
    EXPECT_EQ(cxGetResourceText(cxSRegExprLine), "Zeile");
    EXPECT_EQ(cxGetResourceText(cxSRegExprChar), "Char");
    cxSetResourceTextOverride(TcxResourceTextOverride::ByResource, {std::to_string(cxSRegExprChar)}, {});
    EXPECT_EQ(cxGetResourceText(cxSRegExprChar), "Char") << "a key without a replacement keeps the text";
    cxClearResourceTextOverride();
    EXPECT_EQ(cxGetResourceText(cxSRegExprLine), "Line");
}

} // namespace
