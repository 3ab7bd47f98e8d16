#include "ui/HistoryDialog.h"

#include <QLibrary>

namespace varnholt {

HistoryDialog *loadHistoryDialog(const std::string &programDir, QWidget *parent, QString &problem)
{
    // The build names the file. Never unloaded: the window runs the module's code until the end.
    QLibrary module(QString::fromStdString(programDir) + QStringLiteral(VARNHOLT_HISTORY_MODULE));
    const auto version = reinterpret_cast<HistoryModuleVersion>(module.resolve(kHistoryModuleVersion));
    if (!version) {
        problem = module.errorString();
        return nullptr;
    }
    if (version() != kHistoryModuleInterface) {
        problem = QStringLiteral("%1 is from another version of the game").arg(module.fileName());
        return nullptr;
    }
    const auto make = reinterpret_cast<MakeHistoryDialog>(module.resolve(kMakeHistoryDialog));
    if (!make) {
        problem = module.errorString();
        return nullptr;
    }
    return make(parent);
}

} // namespace varnholt
