// Our codecs against libpng and giflib doing the same work: each case times
// both sides in turn and prints the ratio of their medians.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct TRatioCase {
    std::string name;
    // Each side returns something of its result, so the work cannot be left out.
    std::function<std::size_t()> ours, theirs;
};

// The cases of each codec.
std::vector<TRatioCase> PngRatioCases();
std::vector<TRatioCase> GifRatioCases();

// Runs the cases whose names contain filter, repeats times each side; the
// number of ratios above limit.
int RunRatioCases(const std::vector<TRatioCase>& cases, int repeats, const std::string& filter, double limit);
