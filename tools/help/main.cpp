// varnholt-help: writes the game's manual, one self-contained HTML file, from the pages in
// tools/help/pages, the symbol sheet, the machine's exact odds and its simulated play with nudges.
//   varnholt-help [--lang LANGUAGE] PAGES_DIR SYMBOL_SHEET OUTPUT [RETURNS_SOURCE]
// LANGUAGE (en, de, fr or es; en by default) is the language of the pages in PAGES_DIR, and the
// manual's own words around its figures are written in it too. RETURNS_SOURCE, when given,
// receives the returns with nudges as a C++ source for the game.

#include "ManualFigures.h"
#include "SymbolPictures.h"

#include <array>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

using namespace varnholt;
using namespace varnholt::help;

namespace {

// The pages in reading order; each starts with the anchor of its topic.
constexpr std::array kPages{"contents.html", "playing.html", "paytable.html",  "wild-nudges.html",
                            "vault.html",    "saving.html",  "borrowing.html", "statistics.html",
                            "payoffs.html",  "odds.html",    "company.html"};

void replaceAll(std::string &text, const std::string &placeholder, const std::string &value)
{
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

} // namespace

int main(int argc, char **argv)
{
    const ManualWords *words = manualWords("en");
    if (argc > 2 && std::string_view(argv[1]) == "--lang") {
        words = manualWords(argv[2]);
        argc -= 2;
        argv += 2;
    }
    if (!words || (argc != 4 && argc != 5)) {
        std::cerr
            << "usage: varnholt-help [--lang en|de|fr|es] PAGES_DIR SYMBOL_SHEET OUTPUT [RETURNS_SOURCE]\n";
        return 2;
    }
    std::string error;
    const std::optional<SymbolImages> images = symbolImages(argv[2], error);
    if (!images) {
        std::cerr << "varnholt-help: cannot read the symbol sheet " << error << '\n';
        return 1;
    }
    const ExactOdds odds = computeExactOdds();
    const NudgeRuns nudgeRuns = simulateNudgePlay();

    std::string manual = words->opening;
    for (const char *page : kPages) {
        std::ifstream in(std::string(argv[1]) + "/" + page, std::ios::binary);
        if (!in) {
            std::cerr << "varnholt-help: cannot read the page " << argv[1] << '/' << page << '\n';
            return 1;
        }
        std::ostringstream text;
        text << in.rdbuf();
        manual += text.str() + "<hr>\n";
    }
    replaceAll(manual, "{{pay-table}}", payTableHtml(odds, *images, *words));
    replaceAll(manual, "{{odds}}", oddsHtml(odds, *images, *words));
    replaceAll(manual, "{{nudge-odds}}", nudgeOddsHtml(odds, nudgeRuns, *words));
    for (int code = 0; code < int(images->size()); ++code)
        replaceAll(manual, "{{symbol-" + std::to_string(code) + "}}", (*images)[std::size_t(code)]);
    manual += "</body></html>\n";

    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << manual;
    out.close();
    if (!out) {
        std::cerr << "varnholt-help: cannot write " << argv[3] << '\n';
        return 1;
    }
    if (argc == 5) {
        std::ofstream source(argv[4], std::ios::binary | std::ios::trunc);
        source << nudgeReturnsSource(nudgeRuns);
        source.close();
        if (!source) {
            std::cerr << "varnholt-help: cannot write " << argv[4] << '\n';
            return 1;
        }
    }
    return 0;
}
