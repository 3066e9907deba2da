#include "classlib/filestream.h"

#include <windows.h>

#include <algorithm>

#include "classlib/exceptions.h"

namespace {
DWORD ShareFlags(unsigned mode)
{
    switch (mode & 0xF0) {
    case fmShareExclusive:
        return 0;
    case fmShareDenyWrite:
        return FILE_SHARE_READ;
    case fmShareDenyRead:
        return FILE_SHARE_WRITE;
    default: // fmShareDenyNone and the compatible mode
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

HANDLE OpenFile(const std::string& fileName, unsigned mode)
{
    if ((mode & fmCreate) == fmCreate)
        return CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, ShareFlags(mode & 0xF0), nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    static const DWORD access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    return CreateFileA(fileName.c_str(), access[std::min(mode & 3u, 2u)], ShareFlags(mode), nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
} // namespace

TFileStream::TFileStream(const std::string& fileName, unsigned mode)
    : fileName_(fileName), file_(OpenFile(fileName, mode))
{
    if (file_)
        return;
    std::string reason = SysErrorMessage(GetLastError());
    if ((mode & fmCreate) == fmCreate)
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count)
{
    DWORD got = 0;
    if (!ReadFile(file_.get(), buffer, static_cast<DWORD>(count), &got, nullptr))
        return 0;
    return got;
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count)
{
    DWORD written = 0;
    if (!WriteFile(file_.get(), buffer, static_cast<DWORD>(count), &written, nullptr))
        return 0;
    return written;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    static const DWORD methods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER distance{}, result{};
    distance.QuadPart = offset;
    if (!SetFilePointerEx(file_.get(), distance, &result, methods[static_cast<int>(origin)]))
        return -1;
    return result.QuadPart;
}

void TFileStream::SetSize(std::int64_t size)
{
    std::int64_t position = Position();
    SetPosition(size);
    if (!SetEndOfFile(file_.get()))
        throw EWriteError("Stream write error");
    SetPosition(std::min(position, size));
}

void TFileStream::FlushBuffers()
{
    if (!FlushFileBuffers(file_.get()))
        throw EWriteError("Stream write error");
}
