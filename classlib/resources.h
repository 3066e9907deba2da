// Resources compiled into the running program.
#pragma once

#include <string>

// The bytes of resource name of that type; EComponentError when missing.
std::string LoadResourceText(const std::string& name, const std::string& type);
