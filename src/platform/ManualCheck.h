#pragma once
// What the manual's viewer accepts before it lays a page out. Text layout work grows with each
// level of table nesting (twenty nested tables freeze the program for many seconds), so a page
// nested deeper than any manual needs is refused instead of shown.

#include <string>
#include <string_view>

namespace varnholt {

// Our manual nests no table inside another; hand-written pages may nest a few.
inline constexpr int kMaxManualTableNesting = 4;

// The deepest nesting of <table> elements in the HTML (0 without tables), counted over the
// tags as written, comments and all.
int tableNestingDepth(std::string_view html);

// Empty when the page may be laid out, otherwise why not, in a player's words.
std::string manualLayoutProblem(std::string_view html);

} // namespace varnholt
