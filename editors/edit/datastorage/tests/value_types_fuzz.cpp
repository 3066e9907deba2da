// Each value type loads a value and a text from the same bytes and releases
// them; a stream it cannot take must end in a clean failure.
#include <cstdint>
#include <vector>

#include "classlib/exceptions.h"
#include "editors/edit/datastorage/cxdatastorage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cxDataStorageInitialize();
    TcxValueTypeClassList& types = cxValueTypeClassList();
    for (int i = 0; i < types.Count(); ++i) {
        TcxValueTypeClass type = types.Items(i);
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(type->BufferSize()));
        void* textBuffer = nullptr;
        TMemoryStream s;
        s.WriteBuffer(data, size);
        s.SetPosition(0);
        try {
            type->LoadValue(buffer.data(), s);
            type->DefaultTextOf(buffer.data());
        } catch (const Exception&) {
            // EReadError for what the stream lacks; a conversion error for a
            // value the type cannot hold.
        }
        s.SetPosition(0);
        try {
            type->LoadText(&textBuffer, s);
        } catch (const EReadError&) {
        }
        type->ReleaseBuffer(buffer.data());
        type->ReleaseTextBuffer(&textBuffer);
    }
    cxDataStorageFinalize();
    return 0;
}
