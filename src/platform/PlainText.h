#pragma once
// Text that did not come from our own source (the print server's names, the settings file, saved
// games, file paths) is shown as it is. Qt guesses "rich text" when a string merely looks like
// markup, and markup may name files to load, so every place such text reaches a widget goes
// through one of these.

#include <QString>

class QLabel;
class QWidget;

namespace varnholt {

// A label that never takes its text as markup.
QLabel *makePlainLabel(QWidget *parent, const QString &text = {});

// A hover hint showing `text` literally (hints have no plain-text switch of their own).
QString plainToolTip(const QString &text);

// A window caption showing `text` literally: "[*]" is otherwise the modified-marker.
QString plainWindowTitle(const QString &text);

// A menu or button caption showing `text` literally: "&" otherwise marks the access key.
QString plainMenuText(const QString &text);

} // namespace varnholt
