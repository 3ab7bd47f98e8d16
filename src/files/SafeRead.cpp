#include "files/SafeRead.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

namespace varnholt {

namespace {

std::string errorText(int error) { return std::generic_category().message(error); }

std::string kindName(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder, not a file";
    if (S_ISFIFO(mode))
        return "a FIFO, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device, not a regular file";
    if (S_ISSOCK(mode))
        return "a socket, not a regular file";
    return "not a regular file";
}

// Why the file cannot be read as a whole regular file, empty when it can.
std::string checkKindAndSize(const struct stat &info, std::size_t byteCap)
{
    if (!S_ISREG(info.st_mode))
        return kindName(info.st_mode);
    if (static_cast<unsigned long long>(info.st_size) > byteCap)
        return "larger than " + std::to_string(byteCap) + " bytes";
    return {};
}

OpenedFile refused(const std::string &path, const std::string &why)
{
    OpenedFile result;
    result.status = FileStatus::Unreadable;
    result.problem = path + ": " + why;
    return result;
}

} // namespace

OpenedFile openFileSafely(const std::string &path, std::size_t byteCap)
{
    // Looked at before opening, so no device is ever opened; looked at again through the
    // descriptor, in case the name was swapped in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return refused(path, errorText(errno));
    }
    if (std::string problem = checkKindAndSize(info, byteCap); !problem.empty())
        return refused(path, problem);

    // Non-blocking, so a FIFO swapped in at the last moment cannot hold the open.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid())
        return errno == ENOENT ? OpenedFile{} : refused(path, errorText(errno));
    if (::fstat(file.get(), &info) != 0)
        return refused(path, errorText(errno));
    if (std::string problem = checkKindAndSize(info, byteCap); !problem.empty())
        return refused(path, problem);
    // A regular file never waits; its readers (libraries among them) expect blocking reads.
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return refused(path, errorText(errno));

    OpenedFile result;
    result.status = FileStatus::Loaded;
    result.descriptor = std::move(file);
    result.size = static_cast<std::uint64_t>(info.st_size);
    return result;
}

FileContents readFileSafely(const std::string &path, std::size_t byteCap)
{
    OpenedFile file = openFileSafely(path, byteCap);
    if (!file.ok())
        return {file.status, {}, std::move(file.problem)};

    FileContents result{FileStatus::Loaded, {}, {}};
    result.bytes.reserve(static_cast<std::size_t>(file.size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.descriptor.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {FileStatus::Unreadable, {}, path + ": " + errorText(errno)};
        if (got == 0)
            return result;
        // A file that grows while we read is held to the same cap.
        if (result.bytes.size() + static_cast<std::size_t>(got) > byteCap)
            return {FileStatus::Unreadable, {}, path + ": larger than " + std::to_string(byteCap) + " bytes"};
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace varnholt
