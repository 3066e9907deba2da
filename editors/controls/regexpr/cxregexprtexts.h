// The mask engine's message texts: string resources looked up by id through
// a lookup the owner chooses, the library's resource texts by default.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "editors/foundation/core/cxresourceids.h"

using TcxTextLookup = std::function<std::string(unsigned id)>;

// The English texts the resources carry; "" for an id that is not the engine's.
std::string cxRegExprEnglishText(unsigned id);
// cxGetResourceText on Windows, the English texts elsewhere.
TcxTextLookup cxRegExprDefaultTexts();
// The text with its first "%s" replaced by argument.
std::string cxFormatText(std::string_view text, std::string_view argument);
