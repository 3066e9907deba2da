#include "classlib/windowlessquery.h"

UINT WindowlessQueryMessage()
{
    static const UINT message = RegisterWindowMessageA("VostrelWindowlessControls");
    return message;
}
