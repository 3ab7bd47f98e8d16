// The manual check reads a page as the viewer would: markup hidden in comments or attribute
// values, or close tags the viewer does not take as closes, never let a costly page through.

#include "platform/ManualCheck.h"
#include "HostileManuals.h"

#include <gtest/gtest.h>

using namespace varnholt;
using varnholt::test::manualPage;
using varnholt::test::repeated;

namespace {

struct Page {
    std::string name, html, problem; // an empty problem: the page is laid out
};

// Failures name the page, not its bytes.
void PrintTo(const Page &page, std::ostream *out) { *out << page.name; }

std::string deepTables(int levels, const std::string &close)
{
    return manualPage(repeated("<table><tr><td>", levels) + "x" + repeated("</td></tr>" + close, levels));
}

// Each table followed at once by a false close, which a check counting tags as written took for
// a real one: it saw no nesting at all.
std::string disguisedDeepTables(int levels, const std::string &falseClose)
{
    return manualPage(repeated("<table><tr><td>" + falseClose, levels) + "x");
}

const std::string kMalformed = "its markup is malformed";
const std::string kTooDeep = "its elements are nested too deeply to be laid out";
const std::string kTablesTooDeep = "its tables are nested too deeply to be laid out";
const std::string kTooManyCells = "its tables have too many cells to be laid out";

std::vector<Page> pages()
{
    std::vector<Page> result{
        {"CloseInComment", disguisedDeepTables(20, "<!-- </table> -->"), kMalformed},
        {"CloseInAttribute", disguisedDeepTables(20, "<span title=\"</table>\"></span>"), kMalformed},
        {"CloseInSingleQuotes", disguisedDeepTables(20, "<span title='</table>'></span>"), kMalformed},
        {"CloseWithComma", disguisedDeepTables(20, "</table,>"), kMalformed},
        {"UnendedComment", manualPage("<!-- x"), kMalformed},
        {"DeepTables", deepTables(20, "</table>"), kTablesTooDeep},
        {"DeepBlocks", manualPage(repeated("<div>", 200000)), kTooDeep},
        {"DeepLists", manualPage(repeated("<ul><li>", 200000)), kTooDeep},
        {"DeepInline", manualPage(repeated("<b>", 200000)), kTooDeep},
        {"MillionCells",
         manualPage("<table>" + repeated("<tr>" + repeated("<td>x", 1000), 1000) + "</table>"),
         kTooManyCells},
        {"HugeSpan", manualPage("<table><tr><td colspan=\"1000000\">x</td></tr></table>"), kTooManyCells},
        {"ManyElements", manualPage(repeated("<br>", kMaxManualElements + 1)),
         "it has too many elements to be laid out"},
        // What a hand-written manual does, without closing everything.
        {"FourTablesDeep", deepTables(4, "</TABLE >"), ""},
        {"UnclosedItemsCellsAndParagraphs",
         manualPage("<!-- a comment --><ul>" + repeated("<li>item", 1000) + "</ul>" +
                    repeated("<p>text", 1000) + "<table>" + repeated("<tr><td>a<td>b", 250) + "</table>"),
         ""},
        {"AttributesAndVoidElements",
         manualPage("<a href=\"#1\" title='a / b'>x</a><img src=data:image/gif;base64,R0lG alt=x/><br/><hr>"),
         ""},
    };
    for (auto &[name, html] : test::worstManuals())
        result.push_back({"Worst" + name, html, ""});
    return result;
}

class ManualCheck : public ::testing::TestWithParam<Page> {};

} // namespace

TEST_P(ManualCheck, RefusesWhatWouldBeCostlyAndNothingElse)
{
    EXPECT_LE(GetParam().html.size(), kHelpFileCap);
    EXPECT_EQ(manualLayoutProblem(GetParam().html), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(Pages, ManualCheck, ::testing::ValuesIn(pages()),
                         [](const auto &page) { return page.param.name; });
