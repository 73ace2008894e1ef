#include "io/atomic_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rebound;
using namespace rebound::test;

namespace {

// Fails like a full disk once `budget` bytes are written, or fails the
// flush or the close.
class FailingOps : public FileOps {
public:
    std::size_t budget = static_cast<std::size_t>(-1);
    bool fail_sync = false;
    bool fail_close = false;

    long Write(int fd, const char *data, std::size_t size) override
    {
        if (budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        // Short writes, a few bytes at a time, as the loop must handle.
        const std::size_t now = std::min({size, budget, std::size_t{3}});
        budget -= now;
        return FileOps::Write(fd, data, now);
    }
    int Sync(int fd) override
    {
        if (fail_sync) {
            errno = EIO;
            return -1;
        }
        return FileOps::Sync(fd);
    }
    int Close(int fd) override
    {
        const int closed = FileOps::Close(fd);
        if (fail_close) {
            errno = EIO;
            return -1;
        }
        return closed;
    }
};

std::size_t EntryCount(const std::string &dir)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir))
        ++count;
    return count;
}

mode_t ModeOf(const std::string &path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

TEST(AtomicFile, ReplacesTheFileAndKeepsItsMode)
{
    TempDir dir;
    const std::string path = dir / "工程.prj";
    WriteFileBytes(path, "old contents");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, std::string("new\0bytes", 9)));
    EXPECT_EQ(ReadFileBytes(path), std::string("new\0bytes", 9));
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(EntryCount(dir.path()), 1u); // no temporary left

    // A link keeps pointing at the file, which gets the new bytes.
    ASSERT_EQ(::symlink("工程.prj", (dir / "link.prj").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir / "link.prj", "via link"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.prj"));
    EXPECT_EQ(ReadFileBytes(path), "via link");

    std::string read;
    ASSERT_TRUE(ReadWholeFile(path, read));
    EXPECT_EQ(read, "via link");
}

TEST(AtomicFile, InjectedFailuresLeaveTheOldFileIntact)
{
    TempDir dir;
    const std::string path = dir / "p.prj";
    const std::string old_bytes = "old file, byte for byte";
    const std::string new_bytes(100, 'n');
    struct Case {
        const char *name;
        std::size_t budget;
        bool fail_sync;
        bool fail_close;
        const char *reason;
    } cases[] = {
        {"nothing written", 0, false, false, "磁盘空间不足"},
        {"disk full after 10 bytes", 10, false, false, "磁盘空间不足"},
        {"disk full one byte short", 99, false, false, "磁盘空间不足"},
        {"flush fails", static_cast<std::size_t>(-1), true, false, "输入输出错误"},
        {"close fails", static_cast<std::size_t>(-1), false, true, "输入输出错误"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(path, old_bytes);
        FailingOps ops;
        ops.budget = c.budget;
        ops.fail_sync = c.fail_sync;
        ops.fail_close = c.fail_close;
        const IoResult written = WriteFileAtomically(path, new_bytes, ops);
        EXPECT_FALSE(written);
        EXPECT_EQ(written.message, "无法保存文件[" + path + "]：" + c.reason);
        EXPECT_EQ(ReadFileBytes(path), old_bytes);
        EXPECT_EQ(EntryCount(dir.path()), 1u);
    }
    // The same writer with room enough succeeds, in three-byte steps.
    FailingOps ops;
    ASSERT_TRUE(WriteFileAtomically(path, new_bytes, ops));
    EXPECT_EQ(ReadFileBytes(path), new_bytes);
}

TEST(AtomicFile, UnwritablePlacesAreReported)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "sub");
    const struct {
        std::string path;
        const char *reason;
    } cases[] = {
        {dir / "sub", "这是一个目录"},
        {dir / "no/such/dir/p.prj", "文件或目录不存在"},
    };
    for (const auto &c : cases) {
        const IoResult written = WriteFileAtomically(c.path, "x");
        EXPECT_FALSE(written);
        EXPECT_EQ(written.message, "无法保存文件[" + c.path + "]：" + c.reason);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "sub"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "sub"));
}

TEST(AtomicFile, ReadOnlyDirectoryLeavesTheOldFileIntact)
{
    TempDir dir;
    const std::string path = dir / "p.prj";
    WriteFileBytes(path, "old");
    ::chmod(path.c_str(), 0644);
    ::chmod(dir.path().c_str(), 0555);

    // Root writes into read-only directories; the attempt then runs in a
    // child that has given up root, as an ordinary user would.
    auto attempt = [&path]() {
        const IoResult written = WriteFileAtomically(path, "new");
        return !written && written.message == "无法保存文件[" + path + "]：没有访问权限";
    };
    bool refused;
    if (::geteuid() == 0) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(dropped && attempt() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        refused = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    } else {
        refused = attempt();
    }
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_TRUE(refused);
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(AtomicFile, ReadWholeFileRefusals)
{
    TempDir dir;
    std::string bytes = "stale";
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {dir / "missing", "无法打开文件[" + (dir / "missing") + "]：文件或目录不存在"},
        {dir.path(), "无法读取文件[" + dir.path() + "]：这是一个目录"},
        {"/dev/null", "无法读取文件[/dev/null]：不是普通文件"},
    };
    for (const auto &c : cases) {
        const IoResult read = ReadWholeFile(c.path, bytes);
        EXPECT_FALSE(read);
        EXPECT_EQ(read.message, c.message);
        EXPECT_TRUE(bytes.empty());
    }
}
