#pragma once
// Today's special for a printer: which table row its name matches, the page it links to and
// the price it shows.

#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

inline constexpr std::string_view kGeneralSaving = "Save 40-80%"; // no model row matched
inline constexpr std::string_view kIndexPage = "index.html";      // no row matched at all
inline constexpr std::string_view kNoPrinter = "None";            // no default printer known
inline constexpr int kMaxNameWords = 10;

struct PrinterSpecial {
    int row = 0; // 1-based table row that matched; 0 for none
    std::string page;
    std::string price;
};

// The name's words as matching sees them: trimmed, lower case, "-" as a blank, split after each
// blank (every word but the last keeps its blank), a last word of one letter dropped, and only
// the first kMaxNameWords kept.
std::vector<std::string> nameWords(std::string_view name);

// True when every word of the name occurs in the pattern (with " printer fax copier" added).
bool nameMatchesPattern(std::string_view name, std::string_view pattern);

// A model row's model name: the pattern up to its first "/", "," or " series".
std::string_view modelName(std::string_view pattern);

// The model's page: its name in lower case, blanks as "_", then ".html".
std::string modelPage(std::string_view pattern);

// The name a printer is advertised under: its description when it has one other than the queue
// name, else its queue name with "_" shown as blanks.
std::string advertisedPrinterName(std::string_view queue, std::string_view description);

// The first row of the table the name matches, with its page and price.
PrinterSpecial findPrinterSpecial(std::string_view name);

} // namespace varnholt
