#include "classlib/cominit.h"

#include <objbase.h>

TComInitializer::TComInitializer() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}

TComInitializer::~TComInitializer()
{
    if (initialized_)
        CoUninitialize();
}
