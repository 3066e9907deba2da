#include "editors/controls/text/cxtextdisplay.h"

std::string ApplyEchoAndCase(const std::string& text, TcxEditEchoMode echoMode, char passwordChar,
                             TEditCharCase charCase)
{
    if (echoMode == eemPassword)
        return std::string(text.size(), passwordChar ? passwordChar : '*');
    return ApplyCharCase(text, charCase);
}

bool IsBoundApplied(const TcxEditBounds& bounds, int which)
{
    if (bounds.MinAssigned != bounds.MaxAssigned)
        return which == 0 ? bounds.MinAssigned : bounds.MaxAssigned;
    return bounds.MaxValue > bounds.MinValue;
}
