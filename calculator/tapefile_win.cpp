#include "calculator/tapefile_win.h"

#include "calculator/tapefile.h"
#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/filestream.h"
#include "classlib/writereplacing.h"

std::vector<std::string> ReadTapeFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyNone);
    std::int64_t size = file.Size();
    if (size > 0x7FFFFFFF)
        throw EReadError("Stream read error");
    std::string text(static_cast<std::size_t>(size), '\0');
    file.ReadBuffer(text.data(), text.size());
    return TapeFileLines(text);
}

void WriteTapeFile(const std::string& fileName, const std::vector<std::string>& lines)
{
    WriteFileReplacing(fileName, TapeFileText(lines));
}

std::string TapeAutosaveFileName()
{
    return ProgramFolder() + kTapeAutosaveName;
}
