#include "calculator/calcclasses.h"

#include "calculator/calcform.h"
#include "classlib/classregistry.h"

void RegisterCalculatorClasses()
{
    RegisterComponentClass<TCalcForm>("TCalcForm");
}
