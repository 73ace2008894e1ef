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
    // A length-prefixed text (uint32 length, then the bytes). The text is
    // cut at its first NUL. `what` names the field in the failure message.
    IoResult ReadText(TansyString &text, const char *what);
    // "<what>: need N bytes at offset O, only R remain"
    IoResult ShortRead(const char *what, std::size_t needed) const;

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
    void WriteText(const std::string &text);

    const std::string &data() const { return buffer_; }
    std::string &data() { return buffer_; }

private:
    std::string buffer_;
};

} // namespace rebound
