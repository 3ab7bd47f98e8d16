#pragma once
// Which manual F1 opens: the one in the player's language when the build has it beside the
// program, else the English one.

#include <QStringList>

#include <string>

namespace varnholt {

// <exeDir><exeStem>.<language>.hlp for the first of the player's languages (most preferred first,
// as QLocale::uiLanguages() gives them: "de", "de-DE", "de_AT" ...) whose manual exists; English,
// or no translated manual at all, gives <exeDir><exeStem>.hlp.
std::string manualFile(const std::string &exeDir, const std::string &exeStem, const QStringList &uiLanguages);

} // namespace varnholt
