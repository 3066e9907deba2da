// What the built program loads before its first line runs: the libraries of
// the web-page window, the sound player and the file and colour dialogs are
// loaded when first used, not at every start.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/testfiles.h"

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

template <class T>
T At(const std::string& bytes, size_t offset)
{
    T value{};
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The names of the libraries the program file imports at load time, lower case.
std::vector<std::string> ImportedLibraries(const std::string& file)
{
    auto nt = static_cast<size_t>(At<IMAGE_DOS_HEADER>(file, 0).e_lfanew);
    auto headers = At<IMAGE_NT_HEADERS32>(file, nt);
    if (headers.Signature != IMAGE_NT_SIGNATURE)
        return {};
    size_t sections = nt + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + headers.FileHeader.SizeOfOptionalHeader;
    // The 64-bit optional header puts its data directories further on.
    IMAGE_DATA_DIRECTORY imports = headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (headers.OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        imports = At<IMAGE_NT_HEADERS64>(file, nt).OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    // A relative address of the loaded image as an offset into the file.
    auto offset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < headers.FileHeader.NumberOfSections; ++i) {
            auto s = At<IMAGE_SECTION_HEADER>(file, sections + i * sizeof(IMAGE_SECTION_HEADER));
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return file.size();
    };
    std::vector<std::string> names;
    size_t entry = offset(imports.VirtualAddress);
    for (;; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        auto descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(file, entry);
        size_t name = offset(descriptor.Name);
        if (descriptor.Name == 0 || name >= file.size())
            break;
        names.push_back(Lower(file.c_str() + name));
    }
    return names;
}

TEST(VostrelImports, LibrariesLoadedAtStartLeaveOutTheRarelyUsedOnes)
{
    std::vector<std::string> imported = ImportedLibraries(ReadBytes(VOSTREL_EXE));
    // The file was read and is a program that imports the window libraries.
    EXPECT_NE(std::find(imported.begin(), imported.end(), "user32.dll"), imported.end());
    for (const char* library : {"ole32.dll", "oleaut32.dll", "winmm.dll", "comdlg32.dll"})
        EXPECT_EQ(std::find(imported.begin(), imported.end(), library), imported.end()) << library;
}

} // namespace
