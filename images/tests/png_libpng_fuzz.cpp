// Any bytes that both libpng and the codec read give the same pixels.
#include <cstdlib>

#include "images/tests/libpngfiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    if (!StoreAgreesWithLibpng(file))
        std::abort();
    return 0;
}
