// The string table carries the engine's texts word for word.
#include <gtest/gtest.h>

#include "editors/controls/regexpr/cxregexprtexts.h"
#include "editors/foundation/core/cxresourcetext.h"

namespace {

TEST(RegExprTexts, ResourcesMatchTheEnglishTexts)
{
    const TcxTextLookup lookup = cxRegExprDefaultTexts();
    for (unsigned id = cxSRegExprLine; id <= cxSRegExprNotCompiled; ++id) {
        if (id == cxSScrollBarOutOfRange || id == cxSCouldNotConvertToTime)
            continue;
        EXPECT_FALSE(cxRegExprEnglishText(id).empty()) << id;
        EXPECT_EQ(lookup(id), cxRegExprEnglishText(id)) << id;
    }
}

} // namespace
