#pragma once
// The History window as the game sees it. The window itself, with Qt Charts and the libraries
// Qt Charts needs, is a module beside the program, loaded when the window first opens: a game
// that never shows its history never pays for them.

#include "ui/HistoryView.h"

#include <QDialog>
#include <QString>

#include <string>

namespace varnholt {

class HistoryDialog : public QDialog {
public:
    using QDialog::QDialog;

    virtual void showHistory(const HistoryView &view) = 0;
};

// The module's one entry point: a new window owned by parent.
using MakeHistoryDialog = HistoryDialog *(*)(QWidget *parent);
inline constexpr char kMakeHistoryDialog[] = "varnholtMakeHistoryDialog";

// The window from the module in programDir's modules folder (programDir ends in '/'); the module
// then stays loaded. Null when the module cannot be loaded, with problem saying why in the
// system's own words.
HistoryDialog *loadHistoryDialog(const std::string &programDir, QWidget *parent, QString &problem);

} // namespace varnholt
