#include "platform/ManualCheck.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace varnholt {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isBlock(std::string_view name)
{
    return isOneOf(name,
                   {"html",  "body", "p",  "div", "li",    "ul",         "ol",    "dl",      "dt",     "dd",
                    "table", "tr",   "td", "th",  "thead", "tbody",      "tfoot", "caption", "h1",     "h2",
                    "h3",    "h4",   "h5", "h6",  "pre",   "blockquote", "hr",    "center",  "address"});
}

// Elements that never hold others.
bool isVoid(std::string_view name)
{
    return isOneOf(name, {"br", "img", "hr", "meta", "link", "input", "col", "base", "area", "param", "wbr",
                          "source", "track", "embed", "basefont", "frame", "isindex"});
}

// A cell's span as the viewer reads it: leading digits, anything else one.
int spanValue(std::string_view value)
{
    while (!value.empty() && isSpace(value.front()))
        value.remove_prefix(1);
    if (!value.empty() && value.front() == '+')
        value.remove_prefix(1);
    long long span = 0;
    for (char c : value) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        span = std::min<long long>(span * 10 + (c - '0'), kMaxManualCellSpan + 1);
    }
    return span > 0 ? static_cast<int>(span) : 1;
}

// Reads the page tag by tag, keeping the elements open as the viewer keeps them. Markup the
// viewer might read otherwise than this reader (a tag ending where a quoted value would not, a
// comment holding markup, a close tag with more than its name) makes the whole page ambiguous:
// it is refused rather than guessed at.
class ShapeReader {
public:
    explicit ShapeReader(std::string_view html) : html_(html) {}

    ManualShape read()
    {
        std::size_t textFrom = 0;
        for (std::size_t at = html_.find('<'); at != std::string_view::npos && !overLimits();
             at = html_.find('<', at)) {
            sawTag_ = false;
            const std::optional<std::size_t> next = tagAt(at);
            if (!next) {
                shape_.malformed = true;
                return shape_;
            }
            if (sawTag_) {
                countText(html_.substr(textFrom, at - textFrom));
                textFrom = *next;
            }
            at = *next;
        }
        if (!overLimits())
            countText(html_.substr(textFrom));
        return shape_;
    }

private:
    bool overLimits() const
    {
        return shape_.nesting > kMaxManualNesting || shape_.tableNesting > kMaxManualTableNesting ||
               shape_.elements > kMaxManualElements || shape_.tableCells > kMaxManualTableCells ||
               shape_.hugeSpan || shape_.text > kMaxManualText || shape_.blockText > kMaxManualBlockText ||
               shape_.word > kMaxManualWord;
    }

    // Entities and other spaces than ASCII's count as letters: a word or block only seems longer.
    void countText(std::string_view text)
    {
        for (char c : text) {
            word_ = isSpace(c) ? 0 : word_ + 1;
            shape_.word = std::max(shape_.word, word_);
        }
        blockText_ += text.size();
        shape_.blockText = std::max(shape_.blockText, blockText_);
        shape_.text += text.size();
    }

    // Where the viewer starts a new block, so a new line; elements styled otherwise are taken as
    // running on in the same line, as they may.
    void elementBoundary(const std::string &name, bool styledDisplay)
    {
        if (name == "br")
            word_ = 0;
        else if (!styledDisplay && isBlock(name))
            word_ = 0, blockText_ = 0;
    }

    char charAt(std::size_t at) const { return at < html_.size() ? html_[at] : '\0'; }

    std::size_t skipSpaces(std::size_t at) const
    {
        while (at < html_.size() && isSpace(html_[at]))
            ++at;
        return at;
    }

    // Where reading goes on after the '<' at `at`; nothing when the markup is ambiguous.
    std::optional<std::size_t> tagAt(std::size_t at)
    {
        const std::string_view rest = html_.substr(at);
        if (rest.starts_with("<!--")) {
            // Ends at the first "-->"; holding no angle bracket, it ends there however read.
            const std::size_t end = html_.find("-->", at + 4);
            if (end == std::string_view::npos ||
                html_.substr(at + 4, end - at - 4).find_first_of("<>") != std::string_view::npos)
                return std::nullopt;
            return end + 3;
        }
        if (rest.starts_with("<!") || rest.starts_with("<?")) { // a declaration such as DOCTYPE
            const std::size_t end = html_.find_first_of("<>", at + 2);
            if (end == std::string_view::npos || html_[end] != '>')
                return std::nullopt;
            return end + 1;
        }
        if (rest.starts_with("</"))
            return closeTagAt(at + 2);
        if (isLetter(charAt(at + 1)))
            return openTagAt(at + 1);
        return at + 1; // a '<' in the text
    }

    std::optional<std::size_t> closeTagAt(std::size_t at)
    {
        const std::size_t nameEnd = nameEndAt(at);
        const std::size_t end = skipSpaces(nameEnd);
        if (nameEnd == at || charAt(end) != '>')
            return std::nullopt; // "</table,>" and the like: not the close it looks like
        sawTag_ = true;
        close(lower(html_.substr(at, nameEnd - at)));
        return end + 1;
    }

    std::optional<std::size_t> openTagAt(std::size_t at)
    {
        const std::size_t nameEnd = nameEndAt(at);
        const std::string name = lower(html_.substr(at, nameEnd - at));
        sawTag_ = true;
        const char after = charAt(nameEnd);
        if (!isSpace(after) && after != '>' && after != '/')
            return std::nullopt; // "<table,": a name the viewer reads otherwise
        int columns = 1, rows = 1;
        bool closesItself = false, styledDisplay = false;
        std::size_t pos = nameEnd;
        for (;;) {
            pos = skipSpaces(pos);
            const char c = charAt(pos);
            if (c == '>')
                break;
            if (c == '/' && charAt(pos + 1) == '>') {
                closesItself = true;
                ++pos;
                break;
            }
            const std::size_t attributeEnd = html_.find_first_of(" \t\n\r\f=>/\"'<", pos);
            if (attributeEnd == pos || attributeEnd == std::string_view::npos ||
                isOneOf(std::string_view(&html_[attributeEnd], 1), {"\"", "'", "<"}))
                return std::nullopt;
            const std::string attribute = lower(html_.substr(pos, attributeEnd - pos));
            pos = skipSpaces(attributeEnd);
            if (charAt(pos) != '=')
                continue;
            const std::optional<std::pair<std::string_view, std::size_t>> value =
                valueAt(skipSpaces(pos + 1));
            if (!value)
                return std::nullopt;
            if (attribute == "style" && lower(value->first).find("display") != std::string::npos)
                styledDisplay = true;
            if (attribute == "colspan")
                columns = spanValue(value->first);
            else if (attribute == "rowspan")
                rows = spanValue(value->first);
            pos = value->second;
        }
        elementBoundary(name, styledDisplay);
        open(name, closesItself, columns, rows);
        return pos + 1;
    }

    // An attribute's value and where reading goes on after it.
    std::optional<std::pair<std::string_view, std::size_t>> valueAt(std::size_t at) const
    {
        const char quote = charAt(at);
        if (quote == '"' || quote == '\'') {
            const std::size_t end = html_.find(quote, at + 1);
            const std::string_view value = html_.substr(at + 1, end - at - 1);
            // Angle brackets in a value would end the tag early for a reader that ignored quotes.
            if (end == std::string_view::npos || value.find_first_of("<>") != std::string_view::npos)
                return std::nullopt;
            return std::pair{value, end + 1};
        }
        const std::size_t end = html_.find_first_of(" \t\n\r\f>", at);
        if (end == std::string_view::npos || end == at)
            return std::nullopt;
        const std::string_view value = html_.substr(at, end - at);
        if (value.find_first_of("\"'<=`") != std::string_view::npos)
            return std::nullopt;
        return std::pair{value, end};
    }

    std::size_t nameEndAt(std::size_t at) const
    {
        while (at < html_.size() && isNameChar(html_[at]))
            ++at;
        return at;
    }

    // Like the viewer, a new item, cell or row ends the one before it in the same list or table.
    void closeImplicitly(const std::string &name)
    {
        struct Rule {
            std::string_view opened;
            std::array<std::string_view, 2> ended, boundary; // empty entries match nothing
        };
        static constexpr std::array<Rule, 7> rules{{{"li", {"li"}, {"ul", "ol"}},
                                                    {"td", {"td", "th"}, {"tr", "table"}},
                                                    {"th", {"td", "th"}, {"tr", "table"}},
                                                    {"tr", {"tr"}, {"table"}},
                                                    {"dt", {"dt", "dd"}, {"dl"}},
                                                    {"dd", {"dt", "dd"}, {"dl"}},
                                                    {"p", {"p"}, {}}}};
        const auto rule =
            std::find_if(rules.begin(), rules.end(), [&](const Rule &r) { return r.opened == name; });
        if (rule == rules.end())
            return;
        const auto among = [](const std::string &open, const std::array<std::string_view, 2> &names) {
            return std::find(names.begin(), names.end(), open) != names.end();
        };
        for (std::size_t i = open_.size(); i-- > 0;) {
            if (among(open_[i], rule->boundary))
                return;
            if (among(open_[i], rule->ended)) {
                popTo(i);
                return;
            }
            if (name == "p")
                return; // only a paragraph just before
        }
    }

    void open(const std::string &name, bool closesItself, int columns, int rows)
    {
        ++shape_.elements;
        if (name == "td" || name == "th") {
            shape_.hugeSpan = shape_.hugeSpan || columns > kMaxManualCellSpan || rows > kMaxManualCellSpan;
            shape_.tableCells += std::min(columns, kMaxManualCellSpan) * std::min(rows, kMaxManualCellSpan);
        }
        if (closesItself || isVoid(name)) {
            shape_.nesting = std::max(shape_.nesting, static_cast<int>(open_.size()) + 1);
            return;
        }
        closeImplicitly(name);
        open_.push_back(name);
        if (name == "table")
            shape_.tableNesting = std::max(shape_.tableNesting, ++tables_);
        shape_.nesting = std::max(shape_.nesting, static_cast<int>(open_.size()));
    }

    // As the viewer does: a close tag ends the nearest open element of its name and all within
    // it; one that matches no open element is ignored.
    void close(const std::string &name)
    {
        elementBoundary(name, false);
        for (std::size_t i = open_.size(); i-- > 0;)
            if (open_[i] == name) {
                popTo(i);
                return;
            }
    }

    void popTo(std::size_t index)
    {
        while (open_.size() > index) {
            if (open_.back() == "table")
                --tables_;
            open_.pop_back();
        }
    }

    std::string_view html_;
    ManualShape shape_;
    std::vector<std::string> open_; // never longer than the nesting limit, plus one
    int tables_ = 0;
    bool sawTag_ = false;
    std::size_t word_ = 0, blockText_ = 0;
};

} // namespace

ManualShape manualShape(std::string_view html) { return ShapeReader(html).read(); }

std::string manualLayoutProblem(std::string_view html)
{
    const ManualShape shape = manualShape(html);
    if (shape.malformed)
        return QT_TRANSLATE_NOOP("HelpViewer", "its markup is malformed");
    if (shape.tableNesting > kMaxManualTableNesting)
        return QT_TRANSLATE_NOOP("HelpViewer", "its tables are nested too deeply to be laid out");
    if (shape.nesting > kMaxManualNesting)
        return QT_TRANSLATE_NOOP("HelpViewer", "its elements are nested too deeply to be laid out");
    if (shape.hugeSpan || shape.tableCells > kMaxManualTableCells)
        return QT_TRANSLATE_NOOP("HelpViewer", "its tables have too many cells to be laid out");
    if (shape.elements > kMaxManualElements)
        return QT_TRANSLATE_NOOP("HelpViewer", "it has too many elements to be laid out");
    if (shape.text > kMaxManualText || shape.blockText > kMaxManualBlockText || shape.word > kMaxManualWord)
        return QT_TRANSLATE_NOOP("HelpViewer", "it has too much text in one place to be laid out");
    return {};
}

} // namespace varnholt
