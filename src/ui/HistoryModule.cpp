// The History window's module, loaded by the game from its modules folder (HistoryDialog.h).

#include "ui/HistoryWindow.h"

extern "C" Q_DECL_EXPORT int varnholtHistoryModuleVersion() { return varnholt::kHistoryModuleInterface; }

extern "C" Q_DECL_EXPORT varnholt::HistoryDialog *varnholtMakeHistoryDialog(QWidget *parent)
{
    return new varnholt::HistoryWindow(parent);
}
