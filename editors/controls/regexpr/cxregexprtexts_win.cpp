#include "editors/controls/regexpr/cxregexprtexts.h"

#include "editors/foundation/core/cxresourcetext.h"

TcxTextLookup cxRegExprDefaultTexts()
{
    return cxGetResourceText;
}
