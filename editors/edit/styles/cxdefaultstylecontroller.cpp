#include "editors/edit/styles/cxdefaultstylecontroller.h"

namespace {

TcxStyleController* defaultController = nullptr;

} // namespace

TcxStyleController* GetDefaultEditStyleController()
{
    return defaultController;
}

void cxRegisterDefaultStyleController(TcxStyleController* controller)
{
    defaultController = controller;
}

void cxClearDefaultStyleController()
{
    defaultController = nullptr;
}
