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

    // Text up to its limits: in paragraphs of words, as long paragraphs kept on one line each,
    // as the longest words.
    const std::string words = "words of text ";
    const std::size_t paragraphs = kMaxManualText / kMaxManualBlockText;
    const std::string paragraph = repeated(words, (kMaxManualBlockText - 100) / words.size());
    pages.emplace_back("LongParagraphs", manualPage(repeated("<p>" + paragraph + "</p>", paragraphs - 1)));
    pages.emplace_back(
        "UnbrokenLines",
        manualPage(repeated("<p style=\"white-space:pre\">" + paragraph + "</p>", paragraphs - 1)));
    pages.emplace_back("LongWords", manualPage(repeated(
                                        "<p>" + repeated(std::string(kMaxManualWord, 'x') + " ", 15) + "</p>",
                                        paragraphs - 1)));
    pages.emplace_back(
        "ManyShortParagraphs",
        manualPage(
            repeated("<p>" + repeated(words, kMaxManualText / kMaxManualElements / words.size()) + "</p>",
                     kMaxManualElements - 10)));
    // A stylesheet as long as a block may be, over as many elements as may be.
    std::string rules;
    for (int i = 0; rules.size() + 64 < kMaxManualBlockText; ++i)
        rules += "div.c" + std::to_string(i) + " div b { color: #123456; margin: 1px } ";
    pages.emplace_back("StyledBlocks", "<html><head><style>" + rules + "</style></head><body>" +
                                           repeated(nested("<div class=\"c1\">", "</div>", deepest), groups) +
                                           "</body></html>");
    return pages;
}

} // namespace varnholt::test
