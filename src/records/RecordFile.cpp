#include "records/RecordFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

namespace {

// Closes a descriptor when the scope ends, whatever path leaves it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close()
    {
        if (fd_ < 0)
            return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a write should replace: the target of a symbolic link, otherwise the path itself.
std::string replacementTarget(const std::string &path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path; // a dangling link is simply replaced
    return resolved;
}

std::string temporaryPattern(const std::filesystem::path &target)
{
    std::string name = "." + target.filename().string() + ".XXXXXX";
    if (name.size() > NAME_MAX)
        name = ".record.XXXXXX"; // a long file name must not stop the save
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    return (folder / name).string();
}

void syncFolderOf(const std::filesystem::path &target)
{
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get()); // best effort: the rename itself has already succeeded
}

} // namespace

FileContents readWholeFile(const std::string &path)
{
    FileContents result;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileStatus::Missing
                                                              : FileStatus::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
        result.status = FileStatus::Unreadable;
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.status = FileStatus::Unreadable;
            result.bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    result.status = FileStatus::Loaded;
    return result;
}

std::string unableToWriteMessage(const std::string &path) { return "Unable to write to " + path; }

RecordResult writeFileAtomically(const std::string &path, std::string_view contents)
{
    const RecordResult failed{unableToWriteMessage(path)};
    const std::filesystem::path target = replacementTarget(path);

    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode))
        return failed;

    std::string temporary = temporaryPattern(target);
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.valid())
        return failed;

    const mode_t mode = hadOld ? (old.st_mode & 07777) : 0644;
    const bool written = ::fchmod(file.get(), mode) == 0 && writeAll(file.get(), contents)
                         && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return failed;
    }
    syncFolderOf(target);
    return {};
}

RecordResult ensureParentFolder(const std::string &path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error))
        return {unableToWriteMessage(path)};
    return {};
}

} // namespace varnholt
