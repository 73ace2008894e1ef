#include "io/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rebound {

long FileOps::Write(int fd, const char *data, std::size_t size)
{
    return static_cast<long>(::write(fd, data, size));
}

int FileOps::Sync(int fd)
{
    return ::fsync(fd);
}

int FileOps::Close(int fd)
{
    return ::close(fd);
}

std::string SystemErrorText(int error)
{
    switch (error) {
    case ENOENT:
        return "文件或目录不存在";
    case EACCES:
    case EPERM:
        return "没有访问权限";
    case EROFS:
        return "文件系统只读";
    case ENOSPC:
        return "磁盘空间不足";
    case EDQUOT:
        return "超出磁盘配额";
    case EISDIR:
        return "这是一个目录";
    case ENOTDIR:
        return "路径中有一部分不是目录";
    case ENAMETOOLONG:
        return "文件名太长";
    case EIO:
        return "输入输出错误";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    case EFBIG:
        return "文件太大";
    default:
        return std::string("系统错误：") + std::strerror(error);
    }
}

namespace {

IoResult ReadFailure(const std::string &path, const std::string &why)
{
    return IoResult::Failure("无法读取文件[" + path + "]：" + why);
}

IoResult WriteFailure(const std::string &path, const std::string &why)
{
    return IoResult::Failure("无法保存文件[" + path + "]：" + why);
}

// Closes a descriptor when it goes out of scope, unless released.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FdGuard(const FdGuard &) = delete;
    FdGuard &operator=(const FdGuard &) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

std::string DirectoryOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name for the temporary beside the target, hidden, kept below the
// usual 255-byte limit of a file name.
std::string TemporaryName(const std::string &directory, const std::string &name, std::mt19937_64 &random)
{
    static const char hex[] = "0123456789abcdef";
    std::string suffix;
    std::uint64_t bits = random();
    for (int i = 0; i < 12; ++i) {
        suffix.push_back(hex[bits & 0xF]);
        bits >>= 4;
    }
    const std::string stem = name.substr(0, 200);
    return directory + "/." + stem + "." + suffix + ".tmp";
}

// Flushes a directory's entries, so the rename survives a power cut. Not
// every file system allows it; a failure here loses nothing.
void SyncDirectory(const std::string &directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

IoResult ReadWholeFile(const std::string &path, std::string &bytes)
{
    bytes.clear();
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return IoResult::Failure("无法打开文件[" + path + "]：" + SystemErrorText(errno));
    FdGuard guard(fd);

    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return ReadFailure(path, SystemErrorText(errno));
    if (S_ISDIR(info.st_mode))
        return ReadFailure(path, SystemErrorText(EISDIR));
    if (!S_ISREG(info.st_mode))
        return ReadFailure(path, "不是普通文件");
    if (static_cast<std::uint64_t>(info.st_size) > kMaxReadSize)
        return ReadFailure(path, "文件太大（" + std::to_string(info.st_size) + "字节）");

    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return ReadFailure(path, SystemErrorText(errno));
        }
        if (n == 0)
            break;
        // The file may grow while it is read; the limit still holds.
        if (data.size() + static_cast<std::size_t>(n) > kMaxReadSize)
            return ReadFailure(path, "文件太大");
        data.append(chunk, static_cast<std::size_t>(n));
    }
    bytes = std::move(data);
    return IoResult::Success();
}

IoResult WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    FileOps ops;
    return WriteFileAtomically(path, bytes, ops);
}

IoResult WriteFileAtomically(const std::string &path, std::string_view bytes, FileOps &ops)
{
    if (path.empty())
        return WriteFailure(path, "文件名为空");

    // A link stays a link: the file it names is the one replaced.
    std::string target = path;
    struct stat link_info {};
    if (::lstat(path.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) {
        if (char *resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }

    struct stat old_info {};
    const bool exists = ::stat(target.c_str(), &old_info) == 0;
    if (exists && S_ISDIR(old_info.st_mode))
        return WriteFailure(path, SystemErrorText(EISDIR));

    const std::string directory = DirectoryOf(target);
    std::mt19937_64 random(std::random_device{}());
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = TemporaryName(directory, NameOf(target), random);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR)
            return WriteFailure(path, SystemErrorText(errno));
    }
    if (fd < 0)
        return WriteFailure(path, "无法创建临时文件");

    FdGuard guard(fd);
    auto fail = [&](int error) {
        if (guard.get() >= 0)
            ::close(guard.release());
        ::unlink(temporary.c_str());
        return WriteFailure(path, SystemErrorText(error));
    };

    if (exists) {
        // Keep the old file's mode and, where allowed, its owner. A file
        // system without modes refuses; the data matters more.
        (void)::fchmod(fd, old_info.st_mode & 07777);
        if (::fchown(fd, old_info.st_uid, old_info.st_gid) == 0)
            (void)::fchmod(fd, old_info.st_mode & 07777);
    }

    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const long written = ops.Write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(ENOSPC);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (ops.Sync(fd) != 0)
        return fail(errno);
    // Whatever close answers, the descriptor is gone afterwards.
    const int closed = ops.Close(guard.release());
    if (closed != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(errno);
    SyncDirectory(directory);
    return IoResult::Success();
}

} // namespace rebound
