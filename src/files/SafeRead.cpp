#include "files/SafeRead.h"

#include "files/FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

namespace varnholt {

namespace {

FileContents unreadable(const std::string &path, const std::string &why)
{
    return {FileStatus::Unreadable, {}, path + ": " + why};
}

std::string errorText(int error) { return std::generic_category().message(error); }

// Why the file cannot be read as a whole regular file, empty when it can.
std::string checkKindAndSize(const struct stat &info, std::size_t byteCap)
{
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    if (static_cast<unsigned long long>(info.st_size) > byteCap)
        return "larger than " + std::to_string(byteCap) + " bytes";
    return {};
}

} // namespace

FileContents readFileSafely(const std::string &path, std::size_t byteCap)
{
    // Looked at before opening, so no device is ever opened; looked at again through the
    // descriptor, in case the name was swapped in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return unreadable(path, errorText(errno));
    }
    if (std::string problem = checkKindAndSize(info, byteCap); !problem.empty())
        return unreadable(path, problem);

    // Non-blocking, so a FIFO swapped in at the last moment cannot hold the open.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid())
        return errno == ENOENT ? FileContents{} : unreadable(path, errorText(errno));
    if (::fstat(file.get(), &info) != 0)
        return unreadable(path, errorText(errno));
    if (std::string problem = checkKindAndSize(info, byteCap); !problem.empty())
        return unreadable(path, problem);

    FileContents result{FileStatus::Loaded, {}, {}};
    result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(path, errorText(errno));
        if (got == 0)
            return result;
        // A file that grows while we read is held to the same cap.
        if (result.bytes.size() + static_cast<std::size_t>(got) > byteCap)
            return unreadable(path, "larger than " + std::to_string(byteCap) + " bytes");
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace varnholt
