#include "setup/setupclasses.h"

#include "classlib/classregistry.h"
#include "setup/form1.h"

void RegisterSetupClasses()
{
    RegisterComponentClass<TForm1>("TForm1");
}
