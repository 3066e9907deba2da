#include "windows/accessoryclasses.h"

#include "classlib/classregistry.h"
#include "windows/aboutform.h"
#include "windows/calchelp.h"
#include "windows/cctab.h"
#include "windows/gifanimator.h"
#include "windows/toolsform.h"
#include "windows/webbrowse.h"

void RegisterAccessoryClasses()
{
    RegisterComponentClass<Tf_about>("Tf_about");
    RegisterComponentClass<Tf_calchelp>("Tf_calchelp");
    RegisterComponentClass<Tf_tools>("Tf_tools");
    RegisterComponentClass<Tf_webbrowse>("Tf_webbrowse");
    RegisterComponentClass<TGifAnimator>("TGifAnimator");
    RegisterComponentClass<TCcTab>("TCcTab");
}
