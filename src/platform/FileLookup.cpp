#include "platform/FileLookup.h"

#include <QString>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace varnholt {
namespace {

namespace fs = std::filesystem;

bool isPlainFileName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos && name.find('\0') == std::string::npos;
}

bool isRegularFile(const fs::path &path)
{
    std::error_code ignored;
    return fs::is_regular_file(path, ignored); // follows links; false on any error
}

QString qtName(const fs::path &path) { return QString::fromStdString(path.filename().string()); }

} // namespace

std::optional<std::string> findFileIgnoringCase(const std::string &dir, const std::string &name)
{
    if (!isPlainFileName(name))
        return std::nullopt;
    const fs::path folder = dir.empty() ? fs::path(".") : fs::path(dir);
    if (const fs::path exact = folder / name; isRegularFile(exact))
        return exact.string();

    const QString wanted = QString::fromStdString(name);
    std::vector<fs::path> matches;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path &candidate = it->path();
        if (qtName(candidate).compare(wanted, Qt::CaseInsensitive) == 0 && isRegularFile(candidate))
            matches.push_back(candidate);
    }
    if (matches.empty())
        return std::nullopt;
    return std::min_element(matches.begin(), matches.end())->string();
}

} // namespace varnholt
