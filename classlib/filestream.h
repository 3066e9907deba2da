// A stream over a Windows file, opened or created with the class library's
// mode and share flags and its error texts.
#pragma once

#include <string>

#include "classlib/handles.h"
#include "classlib/streams.h"

// Open modes (low bits) and share modes, combined with |.
constexpr unsigned fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002,
                   fmShareExclusive = 0x0010, fmShareDenyWrite = 0x0020, fmShareDenyRead = 0x0030,
                   fmShareDenyNone = 0x0040;
// Creates (or empties) the file for reading and writing.
constexpr unsigned fmCreate = 0xFF00;

class TFileStream : public TStream {
public:
    // EFOpenError / EFCreateError ("Cannot open file "<name>". <reason>") when it cannot be had.
    TFileStream(const std::string& fileName, unsigned mode);

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;

    const std::string& FileName() const { return fileName_; }
    HANDLE Handle() const { return file_.get(); }
    // Makes what was written durable before the file is used elsewhere.
    void FlushBuffers();

private:
    std::string fileName_;
    UniqueFile file_;
};
