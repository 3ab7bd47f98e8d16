#pragma once
// The built-in table of printer models and brands the advert recognises, tested in order.

#include <array>
#include <string_view>

namespace varnholt {

// A model row names its price; a brand row names its page instead and keeps the general price.
struct PrinterRow {
    std::string_view pattern;
    std::string_view price;     // empty on brand rows
    std::string_view brandPage; // empty on model rows
};

inline constexpr int kPrinterRowCount = 93;
inline constexpr int kModelRowCount = 82;

extern const std::array<PrinterRow, kPrinterRowCount> kPrinterTable;

} // namespace varnholt
