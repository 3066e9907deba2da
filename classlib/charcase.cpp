#include "classlib/charcase.h"

std::string ApplyCharCase(const std::string& text, TEditCharCase charCase)
{
    switch (charCase) {
    case TEditCharCase::ecUpperCase:
        return AnsiUpperCase(text);
    case TEditCharCase::ecLowerCase:
        return AnsiLowerCase(text);
    case TEditCharCase::ecNormal:
        break;
    }
    return text;
}
