#pragma once
// The advert's list of printer brands, top to bottom, each with its savings claim and page.

#include <array>
#include <string_view>

namespace varnholt {

struct BrandRow {
    std::string_view caption;
    std::string_view saving;
    std::string_view page;
};

inline constexpr int kBrandRowsTop = 240;
inline constexpr int kBrandRowPitch = 24;

inline constexpr std::array<BrandRow, 10> kBrandRows{{
    {"Apple Printers", "Save 40-80%", "apple.html"},
    {"Brother Printers/Fax/Copiers", "Save 40-60%", "brother.html"},
    {"Canon Printers/Fax/Copiers", "Save 50-80%", "canon.html"},
    {"Epson Printers", "Save 50-80%", "epson.html"},
    {"HP Printers/Fax/Copiers", "Save 40-60%", "hp.html"},
    {"Lexmark Printers", "Save 40-60%", "lexmark.html"},
    {"IBM Printers", "Save 40-60%", "ibm.html"},
    {"Panasonic Printers/Fax/Copiers", "Save 40-60%", "panasonic.html"},
    {"Xerox Printers/FAX/Copiers", "Save 40-60%", "xerox.html"},
    {"Other Brands", "Save 40-60%", "otherbrands.html"},
}};

} // namespace varnholt
