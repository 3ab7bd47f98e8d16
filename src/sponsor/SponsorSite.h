#pragma once
// The advertised ink-cartridge service: its web address, and the pages every advert links to.

#include <string>
#include <string_view>

namespace varnholt {

// The service's home page; every other page lies directly under it.
inline constexpr std::string_view kSponsorSite = "https://inkfairn.example/";

// The full address of a page of the service; an empty page is the home page.
inline std::string sponsorAddress(std::string_view page)
{
    return std::string(kSponsorSite) + std::string(page);
}

} // namespace varnholt
