// codec_ratios [REPEATS [FILTER]]: each case of our PNG and GIF codecs
// against libpng and giflib, as ours / theirs of the median times.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "images/tests/ratiobench.h"

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::atoi(argv[1]) : 9;
    const std::string filter = argc > 2 ? argv[2] : "";
    // The goal the codecs are held to.
    constexpr double kLimit = 1.3;
    int over = RunRatioCases(PngRatioCases(), repeats, filter, kLimit);
    over += RunRatioCases(GifRatioCases(), repeats, filter, kLimit);
    std::printf("%d ratio(s) above %.1f\n", over, kLimit);
    return 0;
}
