#include "history/HistoryFile.h"

#include "records/RecordFile.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace varnholt {

namespace {

std::string errorText(int error) { return std::generic_category().message(error); }

// `what` names the file in the reason: "it" for the history, or the log file's name.
std::string checkFile(const std::string &path, const std::string &what, bool isHistory)
{
    struct stat info {};
    // lstat() opens nothing, so a FIFO cannot block; and a link is refused rather than followed,
    // or a dangling one would have SQLite create the history wherever it points.
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : what + " cannot be examined (" + errorText(errno) + ")";
    const std::string is = isHistory ? " is" : " beside it is";
    if (S_ISLNK(info.st_mode))
        return what + is + " a link, not a regular file";
    if (!S_ISREG(info.st_mode))
        return what + is + " not a regular file";
    if (!mayWriteTo(path, info))
        return what + is + " read-only";
    if (isHistory && static_cast<unsigned long long>(info.st_size) > kHistoryFileCap)
        return "it is larger than " + std::to_string(kHistoryFileCap >> 20) + " MB";
    return {};
}

} // namespace

std::string historyFileProblem(const std::string &path)
{
    if (!ensureParentFolder(path).ok())
        return "its folder cannot be created";
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = '.';
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return "its folder cannot be examined";
    // SQLite keeps its log in files beside the history.
    if (!mayWriteTo(folder, info))
        return "its folder is read-only";

    if (std::string problem = checkFile(path, "it", true); !problem.empty())
        return problem;
    const std::string name = std::filesystem::path(path).filename().string();
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        if (std::string problem = checkFile(path + suffix, name + suffix, false); !problem.empty())
            return problem;
    }
    return {};
}

} // namespace varnholt
