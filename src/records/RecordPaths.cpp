#include "records/RecordPaths.h"

#include "records/IniValues.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace varnholt {

namespace {

std::string accountHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

} // namespace

std::string exeStemFromPath(std::string_view programPath)
{
    const std::size_t slash = programPath.rfind('/');
    std::string_view name = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    if (name.size() >= 4 && equalsIgnoringCase(name.substr(name.size() - 4), ".exe"))
        name.remove_suffix(4);
    return name.empty() ? std::string(kProgramName) : std::string(name);
}

std::string exeDirFromPath(std::string_view programPath)
{
    const std::size_t slash = programPath.rfind('/');
    if (slash == std::string_view::npos)
        return "./";
    return std::string(programPath.substr(0, slash + 1));
}

std::string dataHomeFrom(const char *xdgDataHome, const char *home)
{
    // Relative values of XDG_DATA_HOME are invalid and must be ignored.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return xdgDataHome;
    if (home && home[0] != '\0')
        return std::string(home) + "/.local/share";
    return {};
}

std::string userDataHome()
{
    std::string home = dataHomeFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (home.empty())
        home = dataHomeFrom(nullptr, accountHome().c_str());
    return home.empty() ? "." : home;
}

std::string savedGamePath(std::string_view exeStem)
{
    return (std::filesystem::path(userDataHome()) / kProgramName / (std::string(exeStem) + ".ini")).string();
}

} // namespace varnholt
