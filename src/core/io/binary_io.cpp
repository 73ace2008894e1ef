#include "io/binary_io.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace rebound {

namespace {

std::string Where(std::size_t remaining, std::size_t offset)
{
    return "只剩" + std::to_string(remaining) + "字节（偏移" + std::to_string(offset) + "）";
}

} // namespace

bool BinaryReader::ReadU8(std::uint8_t &value)
{
    if (remaining() < 1)
        return false;
    value = static_cast<std::uint8_t>(data_[pos_]);
    ++pos_;
    return true;
}

bool BinaryReader::ReadU32(std::uint32_t &value)
{
    if (remaining() < 4)
        return false;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(data_[pos_ + static_cast<std::size_t>(i)]);
    value = v;
    pos_ += 4;
    return true;
}

bool BinaryReader::ReadF32(float &value)
{
    std::uint32_t bits = 0;
    if (!ReadU32(bits))
        return false;
    value = std::bit_cast<float>(bits);
    return true;
}

bool BinaryReader::ReadBytes(std::size_t count, std::string_view &bytes)
{
    if (remaining() < count)
        return false;
    bytes = data_.substr(pos_, count);
    pos_ += count;
    return true;
}

IoResult BinaryReader::ReadU8(std::uint8_t &value, std::string_view what)
{
    return ReadU8(value) ? IoResult::Success() : ShortRead(what, 1);
}

IoResult BinaryReader::ReadU32(std::uint32_t &value, std::string_view what)
{
    return ReadU32(value) ? IoResult::Success() : ShortRead(what, 4);
}

IoResult BinaryReader::ReadF32(float &value, std::string_view what)
{
    return ReadF32(value) ? IoResult::Success() : ShortRead(what, 4);
}

IoResult BinaryReader::ReadText(TansyString &text, std::string_view what)
{
    std::uint32_t length = 0;
    if (!ReadU32(length))
        return ShortRead(std::string(what) + "的长度", 4);
    if (length > remaining()) {
        return IoResult::Failure(std::string(what) + "长度为" + std::to_string(length) + "字节，" +
                                 Where(remaining(), offset()));
    }
    std::string_view bytes;
    ReadBytes(length, bytes);
    text = TansyString::FromCText(bytes);
    return IoResult::Success();
}

IoResult BinaryReader::CheckCount(std::string_view what, std::uint64_t count, std::size_t each) const
{
    // count < 2^32 and each is a record size, so the product cannot overflow.
    const std::uint64_t needed = count * each;
    if (needed <= remaining())
        return IoResult::Success();
    return IoResult::Failure(std::string(what) + "为" + std::to_string(count) + "，需要" + std::to_string(needed) +
                             "字节，" + Where(remaining(), offset()));
}

IoResult BinaryReader::ShortRead(std::string_view what, std::size_t needed) const
{
    return IoResult::Failure(std::string(what) + "需要" + std::to_string(needed) + "字节，" +
                             Where(remaining(), offset()));
}

void BinaryWriter::WriteU32(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        buffer_.push_back(static_cast<char>(value & 0xFFu));
        value >>= 8;
    }
}

void BinaryWriter::WriteF32(float value)
{
    WriteU32(std::bit_cast<std::uint32_t>(value));
}

void BinaryWriter::WriteText(const std::string &text)
{
    // A text longer than a uint32 can count cannot be stored faithfully; no
    // text typed or read by the program comes near that size.
    const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), std::numeric_limits<std::uint32_t>::max()));
    WriteU32(length);
    buffer_.append(text, 0, length);
}

} // namespace rebound
