// The editor library's message texts, string resources linked into every
// program that uses the library; a table may replace them, though nothing
// in this program registers one.
#pragma once

#include <string>
#include <vector>

#include "editors/foundation/core/cxresourceids.h"

// The resource's text, or its replacement; "" for an id the program lacks.
std::string cxGetResourceText(unsigned id);

enum class TcxResourceTextOverride { ByLoadedText, ByResource, Off };
// Replacements looked up by the loaded text or by the resource id (as
// decimal text); Off, the start-up state, looks nothing up.
void cxSetResourceTextOverride(TcxResourceTextOverride mode, std::vector<std::string> keys,
                               std::vector<std::string> replacements);
// Back to Off with no lists, as at unit shut-down.
void cxClearResourceTextOverride();
