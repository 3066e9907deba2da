#include "classlib/writereplacing.h"

#include <windows.h>

#include <algorithm>

#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/handles.h"

namespace {
[[noreturn]] void CannotCreate(const std::string& fileName, DWORD error)
{
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + SysErrorMessage(error));
}

// A temporary file that is deleted unless it was renamed into place.
class TempFile {
public:
    explicit TempFile(std::string name) : name_(std::move(name)) {}
    ~TempFile()
    {
        if (!kept_)
            DeleteFileA(name_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& Name() const { return name_; }
    void Keep() { kept_ = true; }

private:
    std::string name_;
    bool kept_ = false;
};

void WriteAll(HANDLE file, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20)), written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            throw EWriteError("Stream write error");
        done += written;
    }
    if (!FlushFileBuffers(file))
        throw EWriteError("Stream write error");
}
} // namespace

void WriteFileReplacing(const std::string& fileName, const std::string& bytes)
{
    std::string folder = ExtractFilePath(fileName);
    char tempName[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "new", 0, tempName))
        CannotCreate(fileName, GetLastError());
    TempFile temp(tempName);
    {
        UniqueFile file(CreateFileA(temp.Name().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            CannotCreate(fileName, GetLastError());
        WriteAll(file.get(), bytes);
    }
    if (!MoveFileExA(temp.Name().c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        CannotCreate(fileName, GetLastError());
    temp.Keep();
}
