#pragma once
// Text that did not come from our own source (the print server's names, the settings file, saved
// games, file paths) is shown as it is. Qt guesses "rich text" when a string merely looks like
// markup, and markup may name files to load: labels and captions that may show such text come
// from these, message boxes set plain text themselves.

#include <QString>

class QLabel;
class QWidget;

namespace varnholt {

// A label that never takes its text as markup.
QLabel *makePlainLabel(QWidget *parent, const QString &text = {});

// A window caption showing `text` literally: "[*]" is otherwise the modified-marker.
QString plainWindowTitle(const QString &text);

// `text` set apart for the bidirectional algorithm (first-strong isolate ... pop directional
// isolate), so a direction mark or override in it cannot reorder the text around it.
QString isolatedText(const QString &text);

} // namespace varnholt
