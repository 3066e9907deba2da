#include "editors/controls/mask/cxmaskediterror.h"

EcxMaskEditError cxMaskEditErrorOf(const EcxRegExprError& error, const std::string& heading)
{
    std::string message = heading;
    for (std::size_t i = 0; i < error.Errors().Count(); ++i)
        message += "\r\n" + error.Errors().Items(i).FullMessage;
    return EcxMaskEditError(message);
}
