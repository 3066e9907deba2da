#include "classlib/label.h"

TCreateParams TLabel::CreateParams() const
{
    TCreateParams p;
    p.className = "STATIC";
    p.style = SS_NOPREFIX | (centerVertically_ ? SS_CENTERIMAGE : 0);
    if (alignment_ == TAlignment::taCenter)
        p.style |= SS_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        p.style |= SS_RIGHT;
    return p;
}

const TMessageMap& TLabel::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {{CN_CTLCOLORSTATIC, &TLabel::CNCtlColorStatic}});
    return map;
}

void TLabel::CNCtlColorStatic(TMessage& m)
{
    m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam));
}

bool TLabel::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "Alignment")
        alignment_ = value == "taCenter"         ? TAlignment::taCenter
                     : value == "taRightJustify" ? TAlignment::taRightJustify
                                                 : TAlignment::taLeftJustify;
    else if (name == "Layout")
        centerVertically_ = value == "tlCenter";
    else
        return TControl::SetProperty(name, value);
    return true;
}
