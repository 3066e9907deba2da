#include "editors/controls/regexpr/cxregexprerrors.h"

namespace {

std::string JoinedMessages(const TcxRegExprErrors& errors)
{
    std::string text;
    for (std::size_t i = 0; i < errors.Count(); ++i)
        text += (i ? "\r\n" : "") + errors.Items(i).FullMessage;
    return text;
}

} // namespace

EcxRegExprError::EcxRegExprError(TcxRegExprErrors errors)
    : EcxEditError(JoinedMessages(errors)), errors_(std::move(errors))
{
}
