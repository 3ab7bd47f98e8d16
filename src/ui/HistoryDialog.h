#pragma once
// The History window as the game sees it. The window itself, with Qt Charts and the libraries
// Qt Charts needs, is a module beside the program, loaded when the window first opens: a game
// that never shows its history never pays for them.

#include "ui/HistoryView.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

namespace varnholt {

// What the window asks of the game.
struct HistoryActions {
    std::function<void(HistoryScope)> showScope; // the player chose this game or all games
    std::function<std::string()> csv;            // the whole history as CSV; empty when there is none
    std::function<void()> clear;                 // the player agreed to empty it
};

class HistoryDialog : public QDialog {
public:
    using QDialog::QDialog;

    virtual void showHistory(const HistoryView &view) = 0;
    // The figures are being read: the window says so until the next showHistory.
    virtual void showLoading() = 0;

    HistoryActions actions;
};

// The module's one entry point: a new window owned by parent.
using MakeHistoryDialog = HistoryDialog *(*)(QWidget *parent);
inline constexpr char kMakeHistoryDialog[] = "varnholtMakeHistoryDialog";
// The module says which layout of HistoryDialog and HistoryView it was built against; a module
// from another build is refused before any of its code runs on ours.
using HistoryModuleVersion = int (*)();
inline constexpr char kHistoryModuleVersion[] = "varnholtHistoryModuleVersion";
inline constexpr int kHistoryModuleInterface = 3;

// The window from the module in programDir's modules folder (programDir ends in '/'); the module
// then stays loaded. Null when the module cannot be loaded, with problem saying why in the
// system's own words.
HistoryDialog *loadHistoryDialog(const std::string &programDir, QWidget *parent, QString &problem);

} // namespace varnholt
