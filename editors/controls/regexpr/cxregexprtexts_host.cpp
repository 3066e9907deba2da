#include "editors/controls/regexpr/cxregexprtexts.h"

TcxTextLookup cxRegExprDefaultTexts()
{
    return cxRegExprEnglishText;
}
