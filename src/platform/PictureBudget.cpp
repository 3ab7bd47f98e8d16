#include "platform/PictureBudget.h"

#include <algorithm>
#include <cctype>

namespace varnholt {

namespace {

// Names are matched without regard to letter case, as the files are found.
std::string keyOf(const std::string &name)
{
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

} // namespace

long long PictureBudget::allowanceFor(const std::string &name) const
{
    const std::string key = keyOf(name);
    long long others = 0;
    for (const auto &[otherName, bytes] : shares_)
        others += otherName == key ? 0 : bytes;
    return std::max(0LL, bytes_ - others);
}

void PictureBudget::record(const std::string &name, long long bytes) { shares_[keyOf(name)] = bytes; }

PictureBudget &replacementPictureBudget()
{
    static PictureBudget budget(kReplacementPictureBudgetBytes);
    return budget;
}

} // namespace varnholt
