#pragma once
// Little-endian readers and writers over byte buffers. The reader is the one
// place that checks "n bytes remain": nothing read from a file is trusted
// beyond the bytes that are left.

#include "io/io_result.h"
#include "model/tansy_string.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rebound {

class BinaryReader {
public:
    explicit BinaryReader(std::string_view data) : data_(data) {}

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ == data_.size(); }

    // Each returns false, reading nothing, when too few bytes remain.
    bool ReadU8(std::uint8_t &value);
    bool ReadU32(std::uint32_t &value);
    bool ReadF32(float &value);
    bool ReadBytes(std::size_t count, std::string_view &bytes);

    // The same, with a message naming the field (`what`) on failure.
    IoResult ReadU8(std::uint8_t &value, std::string_view what);
    IoResult ReadU32(std::uint32_t &value, std::string_view what);
    IoResult ReadF32(float &value, std::string_view what);

    // A length-prefixed text (uint32 length, then the bytes). The text is
    // cut at its first NUL. A length beyond the bytes that remain fails
    // before anything is allocated; the text is then left unchanged.
    IoResult ReadText(TansyString &text, std::string_view what);

    // Whether `count` items of at least `each` bytes can still follow;
    // "<what>为<count>，需要<count*each>字节，只剩<R>字节（偏移<O>）" otherwise.
    IoResult CheckCount(std::string_view what, std::uint64_t count, std::size_t each) const;
    // "<what>需要<needed>字节，只剩<R>字节（偏移<O>）"
    IoResult ShortRead(std::string_view what, std::size_t needed) const;

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

class BinaryWriter {
public:
    void WriteU8(std::uint8_t value) { buffer_.push_back(static_cast<char>(value)); }
    void WriteU32(std::uint32_t value);
    void WriteF32(float value);
    void WriteBytes(std::string_view bytes) { buffer_.append(bytes); }
    // uint32 length, then the bytes, no terminating NUL.
    void WriteText(const std::string &text);

    const std::string &data() const { return buffer_; }
    std::string &data() { return buffer_; }

private:
    std::string buffer_;
};

} // namespace rebound
