#pragma once
// The clickable areas of the advert's banner, in banner pixels with inclusive bounds.

#include <array>
#include <string_view>

namespace varnholt {

struct BannerArea {
    int left, top, right, bottom; // all inclusive
    std::string_view page;
};

// Tested in order: on a shared edge the area listed first wins.
inline constexpr std::array<BannerArea, 6> kBannerAreas{{
    {263, 27, 355, 50, "canon.html"},
    {263, 50, 355, 74, "hp.html"},
    {355, 27, 451, 50, "compaq.html"},
    {355, 50, 451, 74, "lexmark.html"},
    {451, 27, 538, 50, "epson.html"},
    {451, 50, 538, 74, "other.html"},
}};

// The page of the first area holding the point; empty (the home page) outside them all.
constexpr std::string_view bannerPage(int x, int y)
{
    for (const BannerArea &area : kBannerAreas)
        if (x >= area.left && x <= area.right && y >= area.top && y <= area.bottom)
            return area.page;
    return {};
}

} // namespace varnholt
