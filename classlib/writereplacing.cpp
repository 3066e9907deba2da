#include "classlib/writereplacing.h"

#include <windows.h>

#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/filestream.h"

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
} // namespace

void WriteFileReplacing(const std::string& fileName, const std::string& bytes)
{
    std::string folder = ExtractFilePath(fileName);
    char tempName[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "new", 0, tempName))
        CannotCreate(fileName, GetLastError());
    TempFile temp(tempName);
    try {
        TFileStream file(temp.Name(), fmCreate | fmShareExclusive);
        file.WriteBuffer(bytes.data(), bytes.size());
        file.FlushBuffers();
    } catch (const EFCreateError& e) {
        // Named after the file asked for; the temporary name means nothing to the user.
        std::string reason = e.what();
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason.substr(reason.find("\". ") + 3));
    }
    if (!MoveFileExA(temp.Name().c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        CannotCreate(fileName, GetLastError());
    temp.Keep();
}
