#include "records/RecordFile.h"

#include "files/FileDescriptor.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

namespace {

constexpr std::size_t kRandomLength = 6; // mkstemp's "XXXXXX"
constexpr std::time_t kStaleAfterSeconds = 60;

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

std::filesystem::path folderOf(const std::filesystem::path &target)
{
    return target.parent_path().empty() ? "." : target.parent_path();
}

// The name of our temporary files for `target`, up to mkstemp's six random characters.
std::string temporaryPrefix(const std::filesystem::path &target)
{
    std::string name = '.' + target.filename().string() + '.';
    if (name.size() + kRandomLength > NAME_MAX)
        name = ".record."; // a long file name must not stop the save
    return name;
}

std::string temporaryPattern(const std::filesystem::path &target)
{
    return (folderOf(target) / (temporaryPrefix(target) + "XXXXXX")).string();
}

// A save killed between creating its temporary file and the rename leaves the file behind.
// One older than a minute belongs to no save still running, so it goes.
void removeStaleTemporaries(const std::filesystem::path &target)
{
    const std::string prefix = temporaryPrefix(target);
    const std::time_t staleBefore = std::time(nullptr) - kStaleAfterSeconds;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folderOf(target), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kRandomLength || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            info.st_mtime < staleBefore)
            ::unlink(it->path().c_str());
    }
}

void syncFolderOf(const std::filesystem::path &target)
{
    FileDescriptor dir(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get()); // best effort: the rename itself has already succeeded
}

} // namespace

std::string unableToWriteMessage(const std::string &path) { return "Unable to write to " + path; }

RecordResult writeFileAtomically(const std::string &path, std::string_view contents)
{
    const RecordResult failed{unableToWriteMessage(path), RecordFault::UnableToWrite, path};
    const std::filesystem::path target = replacementTarget(path);

    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && (!S_ISREG(old.st_mode) || !mayWriteTo(target, old)))
        return failed;
    // The new file is made in the folder: a folder made read-only is obeyed as the file is.
    struct stat folder {};
    if (::stat(folderOf(target).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        !mayWriteTo(folderOf(target).string(), folder))
        return failed;

    removeStaleTemporaries(target);

    std::string temporary = temporaryPattern(target);
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.valid())
        return failed;

    const mode_t mode = hadOld ? (old.st_mode & 07777) : 0644;
    const bool written =
        ::fchmod(file.get(), mode) == 0 && writeAll(file.get(), contents) && ::fsync(file.get()) == 0;
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
        return {unableToWriteMessage(path), RecordFault::UnableToWrite, path};
    return {};
}

bool mayWriteTo(const std::string &path, const struct stat &info)
{
    if (info.st_uid == ::geteuid())
        return (info.st_mode & S_IWUSR) != 0;
    return ::access(path.c_str(), W_OK) == 0;
}

} // namespace varnholt
