#include "files/SafeWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

NewFile createFileBeside(const std::string &target, const std::string &infix)
{
    // mkstemp opens with O_CREAT | O_EXCL: a link at the chosen name, dangling or not, fails
    // the open instead of being followed, and the random name cannot be guessed ahead.
    NewFile file;
    std::string pattern = target + infix + "XXXXXX";
    file.descriptor = FileDescriptor(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.descriptor.valid())
        file.path = std::move(pattern);
    return file;
}

bool replaceRegularFile(const std::string &written, const std::string &target, std::string *problem)
{
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        ::unlink(written.c_str());
        if (problem)
            *problem = target + ": there is something other than a regular file there";
        return false;
    }
    if (::rename(written.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(written.c_str());
        if (problem)
            *problem = target + ": " + std::strerror(error);
        return false;
    }
    return true;
}

} // namespace varnholt
