#pragma once
// What the manual's viewer accepts before it lays a page out. Text layout work grows with each
// level of nesting (twenty nested tables freeze the program for many seconds, and so do many
// thousands of nested blocks or a table of a million cells), so a page beyond what any manual
// needs is refused instead of shown. The page is read as the viewer reads it: comments and
// attribute values hide what looks like tags in them, and a close tag counts only when the
// viewer would take it as one.

#include <cstddef>
#include <string>
#include <string_view>

namespace varnholt {

// Our manual nests no table inside another; hand-written pages may nest a few.
inline constexpr int kMaxManualTableNesting = 4;
// Any element in any other: our manual goes about eight deep.
inline constexpr int kMaxManualNesting = 48;
// Elements in the page, and table cells (a spanning cell counted for each place it covers).
// Our manual has about 500 elements, 120 of them cells.
inline constexpr int kMaxManualElements = 20000;
inline constexpr int kMaxManualTableCells = 600;
// Text in bytes: in all (ours has some 40 KB), in one paragraph or other block, in one word.
inline constexpr std::size_t kMaxManualText = 512u << 10;
inline constexpr std::size_t kMaxManualBlockText = 16u << 10;
inline constexpr std::size_t kMaxManualWord = 1u << 10;
// A cell spanning more than this many rows or columns is not a table a page needs.
inline constexpr int kMaxManualCellSpan = 64;

struct ManualShape {
    int tableNesting = 0;  // the deepest nesting of tables (0 without tables)
    int nesting = 0;       // the deepest nesting of elements of any kind
    int elements = 0;      // elements opened
    int tableCells = 0;    // cells, each as many times as the places it spans
    bool hugeSpan = false; // some cell spans more than kMaxManualCellSpan rows or columns
    std::size_t text = 0, blockText = 0, word = 0; // bytes of text: all, the most in a block, in a word
    // Markup the viewer might read otherwise than this check does (a comment or a quoted value
    // holding angle brackets, a close tag with more than its name): refused, not guessed at.
    bool malformed = false;
};

// The page's shape, as far as it was read: reading stops at the first limit passed.
ManualShape manualShape(std::string_view html);

// Empty when the page may be laid out, otherwise why not, in a player's words: an English
// text the viewer translates in its own context.
std::string manualLayoutProblem(std::string_view html);

} // namespace varnholt
