#pragma once
// Help topics of the help file, and which window or control leads to which. A widget carries its
// topic as a property; the help key asks the focused widget, then its enclosing ones.

class QWidget;

namespace varnholt {

inline constexpr int kHelpContents = 0;           // the contents page
inline constexpr int kHelpMachine = 41003;        // the main window; the borrowing dialog
inline constexpr int kHelpBorrowControls = 41005; // the borrowing dialog's buttons and mode switch
inline constexpr int kHelpSavedGames = 41008;     // the slot dialog
inline constexpr int kHelpCompany = 41009;        // company information
inline constexpr int kHelpPayoffChart = 41010;    // the payoff chart window

void setHelpContext(QWidget &widget, int topic);

// The topic of the widget or of the nearest enclosing widget that has one; 0 when none has.
int helpContextOf(const QWidget *widget);

} // namespace varnholt
