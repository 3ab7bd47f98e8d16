#include "ui/MakerPages.h"

namespace varnholt {

std::string_view makerWebPage(unsigned number)
{
    return number == kGamesPageNumber ? kMakerGamesPage : std::string_view{};
}

} // namespace varnholt
