#include "classlib/resources.h"

#include <windows.h>

#include "classlib/exceptions.h"

std::string LoadResourceText(const std::string& name, const std::string& type)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name.c_str(), type.c_str());
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!bytes)
        throw EComponentError("Resource " + name + " not found");
    return std::string(bytes, SizeofResource(module, info));
}
