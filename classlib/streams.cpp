#include "classlib/streams.h"

#include <algorithm>
#include <cstring>

#include "classlib/exceptions.h"

std::int64_t TStream::Size()
{
    std::int64_t position = Position();
    std::int64_t size = Seek(0, TSeekOrigin::soEnd);
    SetPosition(position);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(std::min<std::int64_t>(count, 1 << 16)));
    for (std::int64_t left = count; left > 0;) {
        auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(chunk.size())));
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        left -= static_cast<std::int64_t>(n);
    }
    return count;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    if (position_ >= data_.size())
        return 0;
    count = std::min(count, data_.size() - position_);
    std::memcpy(buffer, data_.data() + position_, count);
    position_ += count;
    return count;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count == 0)
        return 0;
    if (position_ + count > data_.size())
        data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                        : origin == TSeekOrigin::soCurrent ? static_cast<std::int64_t>(position_)
                                                           : Size();
    // Past the end is allowed (a later write fills the gap); before the start is not.
    position_ = static_cast<std::size_t>(std::max<std::int64_t>(base + offset, 0));
    return static_cast<std::int64_t>(position_);
}

void TMemoryStream::SetSize(std::int64_t size)
{
    data_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    position_ = std::min(position_, data_.size());
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    SetSize(source.Size());
    position_ = 0;
    source.ReadBuffer(data_.data(), data_.size());
}

void TMemoryStream::SaveToStream(TStream& dest) const
{
    dest.WriteBuffer(data_.data(), data_.size());
}
