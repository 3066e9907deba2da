// What a Variant array holds: bounds per dimension and the elements, the
// first index running fastest. Private to the Variant's own files.
#pragma once

#include "classlib/variant.h"

#include <utility>
#include <vector>

struct Variant::ArrayData {
    std::vector<std::pair<int, int>> bounds;  // (low, high) per dimension
    std::vector<Variant> items;
};
