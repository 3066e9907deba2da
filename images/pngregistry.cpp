#include <vector>

#include "images/pngancillary.h"
#include "images/pngchunk.h"
#include "images/pngheader.h"
#include "images/pngimagedata.h"
#include "images/pnglist.h"

namespace {

struct TChunkClass {
    std::string name;
    TChunkFactory create;
};

std::unique_ptr<TPNGPointerList<TChunkClass>>& Registry()
{
    static std::unique_ptr<TPNGPointerList<TChunkClass>> registry;
    return registry;
}

const TChunkClass* FindClass(const std::string& name)
{
    const auto& registry = Registry();
    if (!registry)
        return nullptr;
    for (std::size_t i = 0; i < registry->Count(); ++i)
        if (registry->Get(i)->name == name)
            return registry->Get(i);
    return nullptr;
}

} // namespace

void PngRegisterChunkClass(const std::string& name, TChunkFactory create)
{
    auto& registry = Registry();
    if (!registry)
        registry = std::make_unique<TPNGPointerList<TChunkClass>>();
    registry->Add(std::make_unique<TChunkClass>(TChunkClass{name, std::move(create)}));
}

void PngRegisterStandardChunks()
{
    if (FindClass(TChunkIEND::kName))
        return;
    PngRegisterChunkClass<TChunkIEND>();
    PngRegisterChunkClass<TChunkIHDR>();
    PngRegisterChunkClass<TChunkIDAT>();
    PngRegisterChunkClass<TChunkPLTE>();
    PngRegisterChunkClass<TChunkgAMA>();
    PngRegisterChunkClass<TChunktRNS>();
    PngRegisterChunkClass<TChunkpHYs>();
    PngRegisterChunkClass<TChunktIME>();
    PngRegisterChunkClass<TChunktEXt>();
    PngRegisterChunkClass<TChunkzTXt>();
}

void PngUnregisterChunkClasses()
{
    Registry().reset();
}

bool PngChunkClassKnown(const std::string& name)
{
    return FindClass(name) != nullptr;
}

std::unique_ptr<TChunk> PngCreateChunk(TPNGImage& owner, const std::string& name)
{
    const TChunkClass* found = FindClass(name);
    std::unique_ptr<TChunk> chunk = found ? found->create(owner) : std::make_unique<TChunk>(owner);
    chunk->SetName(name);
    return chunk;
}
