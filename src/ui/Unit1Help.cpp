// The main window's Help menu, the help key and the maker's web pages.

#include "ui/Unit1.h"

#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/WebOpener.h"
#include "ui/HelpContext.h"
#include "ui/HelpKey.h"
#include "ui/HelpMenuTexts.h"
#include "ui/MakerPages.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace varnholt {

void TForm1::setUpHelp()
{
    setHelpContext(*this, kHelpMachine);
    openHelpTopic = [this](int topic) { showHelpTopic(topic); };
    help_->over = this;
    help_->openWebLink = [this](const QUrl &link) { openWebAddress(link.toString(QUrl::FullyEncoded)); };
    Help1 = menuBar()->addMenu(tr("&Help"));
    Version1 = Help1->addAction(tr("Version"), [this] { Version1Click(); });
    N6 = Help1->addSeparator();
    GloamwickSlotsManual1 =
        Help1->addAction(manualMenuCaption(WindowTitle), [this] { GloamwickSlotsManual1Click(); });
    // F1 itself is answered by the help key below, which knows the focused control; the item
    // only shows the key (and takes it while the menu is open).
    GloamwickSlotsManual1->setShortcut(QKeySequence(Qt::Key_F1));
    GloamwickSlotsManual1->setShortcutContext(Qt::WidgetShortcut);
    N4 = Help1->addSeparator();
    BrennovaHomepage1 = Help1->addAction(tr("&Tumblewick Games Page"), [this] { BrennovaHomepage1Click(); });
    N3 = Help1->addSeparator();
    CompayInformation1 = Help1->addAction(tr("&Company Information"), [this] { CompayInformation1Click(); });

    helpKey_ = new HelpKeyFilter([this](int topic) { showHelpTopic(topic); }, this);
    qApp->installEventFilter(helpKey_);
}

void TForm1::Version1Click()
{
    if (!mayRun(Command::Help, phase_))
        return;
    showMessage(versionMessage(WindowTitle, VersionText));
}

void TForm1::GloamwickSlotsManual1Click() { showHelpTopic(kHelpContents); }

void TForm1::BrennovaHomepage1Click() { OpenWebPage(kGamesPageNumber); }

void TForm1::CompayInformation1Click() { showHelpTopic(kHelpCompany); }

void TForm1::OpenWebPage(unsigned Number)
{
    if (!mayRun(Command::WebPage, phase_))
        return;
    const std::string_view address = makerWebPage(Number);
    openWebAddress(QString::fromUtf8(address.data(), qsizetype(address.size())));
}

void TForm1::openWebAddress(const QString &address)
{
    if (!address.isEmpty() && webOpener_->open(address))
        return;
    showMessage(tr("Could not find a web browser on your system!"), MessageIcon::Error);
    // The maker's own pages point to its home page; any other link is given as it stands, so
    // the player can type in the page that was asked for.
    const QString home = QString::fromUtf8(kMakerHomePage.data(), qsizetype(kMakerHomePage.size()));
    if (address.isEmpty() || address.startsWith(home))
        showMessage(tr("Please visit Tumblewick at:  %1").arg(home));
    else
        showMessage(tr("Please visit:  %1").arg(address));
}

HelpViewer *TForm1::helpViewer() const { return help_->viewer(); }

void TForm1::showHelpTopic(int topic)
{
    if (!mayRun(Command::Help, phase_))
        return;
    help_->show(QString::fromStdString(HelpFile), topic);
}

} // namespace varnholt
