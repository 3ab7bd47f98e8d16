#pragma once
// The maker's web pages, kept here so that every caller opens the same address.

#include <string_view>

namespace varnholt {

inline constexpr std::string_view kMakerHomePage = "https://tumblewick.example/";
inline constexpr std::string_view kMakerGamesPage = "https://tumblewick.example/games/";
inline constexpr unsigned kGamesPageNumber = 2;

// The address of the maker's page by number; empty for a number that names no page.
std::string_view makerWebPage(unsigned number);

} // namespace varnholt
