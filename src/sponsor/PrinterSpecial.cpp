#include "sponsor/PrinterSpecial.h"

#include "sponsor/PrinterTable.h"

#include <algorithm>

namespace varnholt {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lower case (ASCII) with every "-" a blank: how names and patterns are compared.
std::string folded(std::string text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == '-')
            c = ' ';
    }
    return text;
}

} // namespace

std::vector<std::string> nameWords(std::string_view name)
{
    const std::string text = folded(std::string(trimmed(name)));
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
        words.push_back(text.substr(start, blank + 1 - start));
        start = blank + 1;
    }
    if (text.size() - start > 1)
        words.push_back(text.substr(start));
    // Longer names are judged by their first words only.
    if (words.size() > static_cast<std::size_t>(kMaxNameWords))
        words.resize(kMaxNameWords);
    return words;
}

bool nameMatchesPattern(std::string_view name, std::string_view pattern)
{
    // The added words let a name say "printer", "fax" or "copier" without losing its match.
    const std::string haystack = folded(std::string(trimmed(pattern)) + " printer fax copier");
    const std::vector<std::string> words = nameWords(name);
    return std::all_of(words.begin(), words.end(),
                       [&](const std::string &word) { return haystack.find(word) != std::string::npos; });
}

std::string_view modelName(std::string_view pattern)
{
    std::size_t end = std::min({pattern.find('/'), pattern.find(','), pattern.find(" series")});
    return pattern.substr(0, std::min(end, pattern.size()));
}

std::string modelPage(std::string_view pattern)
{
    std::string page(modelName(pattern));
    for (char &c : page) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == ' ')
            c = '_';
    }
    return page + ".html";
}

std::string advertisedPrinterName(std::string_view queue, std::string_view description)
{
    // A print server describes a queue added without a description by its queue name.
    if (!description.empty() && description != queue)
        return std::string(description);
    std::string name(queue);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

PrinterSpecial findPrinterSpecial(std::string_view name)
{
    for (std::size_t i = 0; i < kPrinterTable.size(); ++i) {
        const PrinterRow &row = kPrinterTable[i];
        if (!nameMatchesPattern(name, row.pattern))
            continue;
        if (row.brandPage.empty())
            return {static_cast<int>(i) + 1, modelPage(row.pattern), std::string(row.price)};
        return {static_cast<int>(i) + 1, std::string(row.brandPage), std::string(kGeneralSaving)};
    }
    return {0, std::string(kIndexPage), std::string(kGeneralSaving)};
}

} // namespace varnholt
