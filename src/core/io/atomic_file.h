#pragma once
// Whole-file reads and atomic replacement of a file.
//
// A file is written to a temporary file in the target's directory, every
// write and the close are checked, the data is flushed to the disk and only
// then renamed over the target. Whatever fails on the way, the temporary is
// removed and the old file stays byte for byte as it was.

#include "io/io_result.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rebound {

// The calls the atomic writer makes on the open temporary file. The real
// ones go to the system; tests derive from this to fail part-way, as a full
// disk or a failing device would.
class FileOps {
public:
    virtual ~FileOps() = default;
    // As write(2): bytes written, or -1 with errno set.
    virtual long Write(int fd, const char *data, std::size_t size);
    // As fsync(2) and close(2): 0, or -1 with errno set.
    virtual int Sync(int fd);
    virtual int Close(int fd);
};

// Largest file ReadWholeFile accepts; no project comes anywhere near it.
inline constexpr std::size_t kMaxReadSize = std::size_t{256} << 20;

// Reads a regular file whole. On failure `bytes` is empty and the message
// names the file and the reason.
IoResult ReadWholeFile(const std::string &path, std::string &bytes);

// Replaces (or creates) `path` with `bytes`. An existing file keeps its
// mode; a symbolic link is followed and the file it names is replaced.
IoResult WriteFileAtomically(const std::string &path, std::string_view bytes);
IoResult WriteFileAtomically(const std::string &path, std::string_view bytes, FileOps &ops);

// The reason for a system error number, in Chinese.
std::string SystemErrorText(int error);

} // namespace rebound
