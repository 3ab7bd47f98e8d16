#pragma once
// The costliest manuals we know how to build within the viewer's limits: each is accepted by
// the manual check, and the benchmark measures how long the viewer takes to lay it out.

#include "files/SafeRead.h"
#include "platform/ManualCheck.h"

#include <string>
#include <utility>
#include <vector>

namespace varnholt::test {

inline std::string repeated(const std::string &text, std::size_t times)
{
    std::string result;
    result.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        result += text;
    return result;
}

inline std::string manualPage(const std::string &body)
{
    return "<html><body><a name=\"contents\"></a>" + body + "</body></html>";
}

// Room left for text under the size cap, beside `markup` bytes of markup.
inline std::size_t textRoom(std::size_t markup) { return (kHelpFileCap - markup) * 9 / 10; }

// Name and page of each worst case.
inline std::vector<std::pair<std::string, std::string>> worstManuals()
{
    std::vector<std::pair<std::string, std::string>> pages;
    const int groups = kMaxManualElements / kMaxManualNesting;
    const int deepest = kMaxManualNesting - 3; // html, body and the innermost's neighbours
    const auto nested = [](const std::string &open, const std::string &close, int levels) {
        return repeated(open, levels) + "x " + repeated(close, levels);
    };
    pages.emplace_back("NestedBlocks", manualPage(repeated(nested("<div>", "</div>", deepest), groups)));
    pages.emplace_back("NestedLists",
                       manualPage(repeated(nested("<ul><li>", "</li></ul>", deepest / 2), groups)));
    pages.emplace_back("NestedInline", manualPage(repeated(nested("<b>", "</b>", deepest), groups)));

    // Tables as deep as allowed, the innermost holding the remaining cells.
    std::string cells;
    const int rows = (kMaxManualTableCells - kMaxManualTableNesting) / 50;
    for (int row = 0; row < rows; ++row)
        cells += "<tr>" + repeated("<td>cell text</td>", 50) + "</tr>";
    std::string tables = "<table border=1>" + cells + "</table>";
    for (int level = 1; level < kMaxManualTableNesting; ++level)
        tables = "<table border=1><tr><td>" + tables + "</td></tr></table>";
    pages.emplace_back("DeepTableOfCells", manualPage(tables));
    // One cell spanning as much as it may.
    pages.emplace_back("SpanningCell",
                       manualPage("<table border=1><tr><td colspan=" + std::to_string(kMaxManualCellSpan) +
                                  " rowspan=" + std::to_string(kMaxManualTableCells / kMaxManualCellSpan) +
                                  ">x</td></tr></table>"));

    // Text up to the size cap: in paragraphs of words, and as one unbroken word.
    const std::size_t room = textRoom(kMaxManualElements * 8);
    pages.emplace_back(
        "ManyParagraphs",
        manualPage(repeated("<p>" + repeated("words of text ", (room / kMaxManualElements) / 14) + "</p>",
                            kMaxManualElements - 10)));
    pages.emplace_back("OneLongWord", manualPage("<p>" + std::string(room, 'x') + "</p>"));
    pages.emplace_back("PreformattedLines",
                       manualPage("<pre>" + repeated(std::string(200, 'x') + "\n", room / 201) + "</pre>"));
    return pages;
}

} // namespace varnholt::test
