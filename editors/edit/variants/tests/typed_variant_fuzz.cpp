// Whatever the reader takes in, the writer puts out so that it reads back
// equal (NaN aside) and writes the same bytes again; anything else must be
// the read error.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "classlib/exceptions.h"
#include "editors/edit/variants/cxtypedvariant.h"
#include "editors/edit/variants/cxvariants.h"

namespace {

bool HoldsNaN(const Variant& v)
{
    if (v.IsArray()) {
        for (int i = 0; i <= v.HighBound(1); ++i)
            if (HoldsNaN(v[i]))
                return true;
        return false;
    }
    TVarType type = VarType(v);
    return (type == varDouble || type == varSingle || type == varDate) && std::isnan(v.ToDouble());
}

std::string Bytes(const TMemoryStream& s)
{
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(const_cast<TMemoryStream&>(s).Size())};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream input;
    input.WriteBuffer(data, size);
    input.SetPosition(0);
    Variant first;
    try {
        ReadTypedVariant(input, first);
    } catch (const EReadError&) {
        return 0;
    }
    TMemoryStream written;
    WriteTypedVariant(written, first);
    written.SetPosition(0);
    Variant second;
    ReadTypedVariant(written, second);
    if (written.Position() != written.Size())
        std::abort();
    if (!HoldsNaN(first) && CompareVariants(first, second) != 0)
        std::abort();
    TMemoryStream again;
    WriteTypedVariant(again, second);
    if (Bytes(again) != Bytes(written))
        std::abort();
    return 0;
}
