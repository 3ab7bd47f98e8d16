#include "records/IniFile.h"

#include "records/IniValues.h"

namespace varnholt {

namespace {

bool isBlankLine(std::string_view text) { return trimBlanks(text).empty(); }

// The line end the text uses first: LF, CRLF or a lone CR; LF when it has none.
std::string firstLineEnd(std::string_view text)
{
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos || text[at] == '\n')
        return "\n";
    return text.substr(at, 2) == "\r\n" ? "\r\n" : "\r";
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

IniFile IniFile::load(const std::string &path, std::size_t byteCap)
{
    FileContents contents = readFileSafely(path, byteCap);
    IniFile file = fromText(contents.bytes, path);
    file.status_ = contents.status;
    return file;
}

IniFile IniFile::fromText(std::string_view bytes, std::string path)
{
    IniFile file(std::move(path));
    file.status_ = FileStatus::Loaded;
    DecodedText decoded = decodeText(bytes);
    file.encoding_ = decoded.encoding;
    std::string_view text = decoded.utf8;
    file.lineEnd_ = firstLineEnd(text);

    while (!text.empty()) {
        const std::size_t lineBreak = text.find_first_of("\r\n");
        Line &line = file.lines_.emplace_back(parseLine(std::string(text.substr(0, lineBreak))));
        if (lineBreak == std::string_view::npos)
            break;
        line.end = text.substr(lineBreak, 2) == "\r\n" ? "\r\n" : text.substr(lineBreak, 1);
        text.remove_prefix(lineBreak + line.end.size());
    }
    return file;
}

IniFile::Line IniFile::parseLine(std::string text)
{
    Line line;
    const std::string_view trimmed = trimBlanks(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = trimBlanks(trimmed.substr(1, close - 1));
        }
    } else {
        const std::size_t equals = trimmed.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view name = trimBlanks(trimmed.substr(0, equals));
            if (!name.empty()) {
                line.kind = LineKind::Key;
                line.name = name;
            }
        }
    }
    line.text = std::move(text);
    return line;
}

std::optional<IniFile::SectionSpan> IniFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Section || !equalsIgnoringCase(lines_[i].name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != LineKind::Section)
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(std::string_view section, std::string_view key) const
{
    const auto span = findSection(section);
    if (!span)
        return std::nullopt;
    for (std::size_t i = span->header + 1; i < span->end; ++i)
        if (lines_[i].kind == LineKind::Key && equalsIgnoringCase(lines_[i].name, key))
            return i;
    return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    const auto index = findKey(section, key);
    if (!index)
        return std::string(defaultValue);
    const std::string &text = lines_[*index].text;
    const std::string_view value = std::string_view(text).substr(text.find('=') + 1);
    return cutToCharacters(unquoteValue(trimBlanks(value)), kIniValueLimit);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const
{
    return parseIniInteger(ReadString(section, key, {}), defaultValue);
}

bool IniFile::SectionExists(std::string_view section) const { return findSection(section).has_value(); }

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string encoded = encodeIniValue(value);
    if (const auto index = findKey(section, key)) {
        Line &line = lines_[*index];
        line.text = line.name + "=" + encoded; // the key keeps its spelling in the file
        return;
    }
    Line added = parseLine(std::string(key) + "=" + encoded);
    const auto span = findSection(section);
    if (!span) {
        lines_.push_back(parseLine('[' + std::string(section) + ']'));
        lines_.push_back(std::move(added));
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    std::size_t at = span->header + 1;
    for (std::size_t i = span->header + 1; i < span->end; ++i)
        if (!isBlankLine(lines_[i].text))
            at = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

std::string IniFile::text() const
{
    std::string result;
    for (const Line &line : lines_)
        result += line.text + (line.end.empty() ? lineEnd_ : line.end);
    return encodeText(result, encoding_);
}

RecordResult IniFile::UpdateFile() const { return writeFileAtomically(path_, text()); }

} // namespace varnholt
