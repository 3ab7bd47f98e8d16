#include "platform/ManualCheck.h"

#include <algorithm>
#include <cctype>

namespace varnholt {

namespace {

bool startsTag(std::string_view html, std::size_t at, std::string_view name)
{
    if (html.size() - at < name.size() + 1)
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(html[at + i])) != name[i])
            return false;
    const auto after = static_cast<unsigned char>(html[at + name.size()]);
    return !std::isalnum(after); // "<table>" or "<table ...", not "<tablex"
}

} // namespace

int tableNestingDepth(std::string_view html)
{
    int depth = 0, deepest = 0;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        if (startsTag(html, at + 1, "table"))
            deepest = std::max(deepest, ++depth);
        else if (startsTag(html, at + 1, "/table"))
            depth = std::max(0, depth - 1);
    }
    return deepest;
}

std::string manualLayoutProblem(std::string_view html)
{
    if (tableNestingDepth(html) > kMaxManualTableNesting)
        return "its tables are nested too deeply to be laid out";
    return {};
}

} // namespace varnholt
