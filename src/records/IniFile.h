#pragma once
// An INI profile file held in memory: sections of "key=value" lines.
//
// Reading finds sections and keys regardless of letter case, trims blanks around names and
// values, drops one pair of matching quotes around a value, and takes the first of duplicate
// sections or keys. Writing changes only the line of the key written (a new key goes to the end
// of its section, a new section to the end of the file); every other line stays as it was.
// Writes collect in memory until UpdateFile() puts the whole file on disk in one step.
//
// Lines may end in LF, CRLF or a lone CR alike. A UTF-8 byte-order mark is skipped and UTF-16
// with a byte-order mark, or without one when it opens with a section header, is read; the file
// is written back in the encoding and with the line ends it was read in: a line read keeps its
// own break, a line added takes the first line's.

#include "records/RecordFile.h"
#include "records/RecordResult.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

class IniFile {
public:
    // An empty file that will be written to `path`.
    explicit IniFile(std::string path = {});

    // Reads the file through readFileSafely() with `byteCap`; a missing file, or one that
    // cannot be read safely, gives an empty one (see status()).
    static IniFile load(const std::string &path, std::size_t byteCap);

    // Parses the bytes as if they were the file's contents.
    static IniFile fromText(std::string_view bytes, std::string path = {});

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool SectionExists(std::string_view section) const;

    // Section and key names are the program's own: no line breaks, "]" or "=" in them.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

    // Puts the whole text on disk, crash-safe. On failure the file on disk is unchanged.
    RecordResult UpdateFile() const;

    // The file's bytes as they would be written: in the loaded file's encoding, each line
    // ending as its first line did (LF for a new file), the last line too.
    std::string text() const;

    const std::string &path() const { return path_; }
    FileStatus status() const { return status_; }

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        std::string text;
        LineKind kind = LineKind::Other;
        std::string name; // the trimmed section or key name
        std::string end;  // the line's own break as read; empty for a line of ours or the last
    };
    struct SectionSpan {
        std::size_t header; // index of the "[name]" line
        std::size_t end;    // one past its last line
    };

    static Line parseLine(std::string text);
    std::optional<SectionSpan> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(std::string_view section, std::string_view key) const;

    std::string path_;
    FileStatus status_ = FileStatus::Missing;
    std::vector<Line> lines_;
    std::string lineEnd_ = "\n";
    TextEncoding encoding_ = TextEncoding::Utf8;
};

} // namespace varnholt
