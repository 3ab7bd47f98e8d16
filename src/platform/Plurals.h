#pragma once
// Texts that hold a count, in the player's language and by its plural rules. Each text is
// marked where it is written with QT_TRANSLATE_N_NOOP and holds %n (or %Ln, grouped as the
// locale groups digits); the catalogues give one form per plural form of their language, so
// a language with three forms needs no code. English, the sources' own language, has its two
// forms in an English catalogue built into the program.

#include <QString>

namespace varnholt {

QString countedText(const char *context, const char *text, long long n, const char *comment = nullptr);

} // namespace varnholt
