#include "platform/HelpViewer.h"

#include "files/SafeRead.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace varnholt {

namespace {
constexpr char kContentsAnchor[] = "contents";
const QSize kViewerSize(760, 600);

QAction *addButton(QToolBar &bar, const QString &text, QList<QKeySequence> keys, std::function<void()> run)
{
    QAction *action = bar.addAction(text, std::move(run));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}
// A browser that takes the help document from bytes read safely (a FIFO or a huge file in its
// place must not hang or exhaust the game) and everything else, the inlined pictures, as usual.
class HelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    void setDocumentBytes(const QUrl &file, const std::string &bytes)
    {
        file_ = file;
        html_ = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == file_)
            return html_;
        return QTextBrowser::loadResource(type, name);
    }

private:
    QUrl file_;
    QString html_;
};
} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The manual never keeps the program running once the machine's own window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle("Help");
    browser_ = new HelpBrowser(this);
    browser_->setOpenExternalLinks(true);
    findText_ = new QLineEdit(this);
    findText_->setPlaceholderText("Find (Ctrl+F)");
    findText_->setMaximumWidth(200);
    auto *notFound = new QLabel(this);

    auto *bar = new QToolBar(this);
    addButton(*bar, "Contents", {}, [this] { browser_->setSource(QUrl(QString("#") + kContentsAnchor)); });
    QAction *back = addButton(*bar, "Back", QKeySequence::keyBindings(QKeySequence::Back), [this] { browser_->backward(); });
    QAction *forward = addButton(*bar, "Forward", QKeySequence::keyBindings(QKeySequence::Forward),
                                 [this] { browser_->forward(); });
    bar->addSeparator();
    addButton(*bar, "Smaller", {QKeySequence::ZoomOut}, [this] { browser_->zoomOut(); });
    addButton(*bar, "Larger", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")}, [this] { browser_->zoomIn(); });
    bar->addSeparator();
    bar->addWidget(findText_);
    addButton(*bar, "Find Next", {QKeySequence::FindNext}, [this] { findNext(); });
    bar->addWidget(notFound);
    // Ctrl+F has no button: the find field stands in the bar already.
    auto *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] { findText_->setFocus(); findText_->selectAll(); });
    addAction(find);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(findText_, &QLineEdit::textChanged, notFound, &QLabel::clear);
    connect(browser_, &QTextBrowser::sourceChanged, notFound, &QLabel::clear);
    notFound->setObjectName("findResult");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(kViewerSize);
}

bool HelpViewer::loadFile(const QString &helpFile)
{
    const FileContents contents = readFileSafely(helpFile.toStdString(), kHelpFileCap);
    if (contents.status != FileStatus::Loaded || contents.bytes.empty()) {
        loadedFile_.clear();
        browser_->clearHistory();
        browser_->setPlainText(QString("Cannot open the help file %1.").arg(helpFile));
        setWindowTitle("Help");
        return false;
    }
    if (loadedFile_ != helpFile) {
        static_cast<HelpBrowser *>(browser_)->setDocumentBytes(QUrl::fromLocalFile(helpFile), contents.bytes);
        browser_->clearHistory();
        browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
        loadedFile_ = helpFile;
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QString("Help") : title);
    }
    return true;
}

void HelpViewer::showTopic(const QString &helpFile, int topic)
{
    topic_ = topic;
    if (!loadFile(helpFile))
        return;
    QUrl at = QUrl::fromLocalFile(helpFile);
    at.setFragment(topic == 0 ? QString(kContentsAnchor) : QString::number(topic));
    browser_->setSource(at, QTextDocument::HtmlResource);
}

void HelpViewer::findNext()
{
    const QString text = findText_->text();
    if (text.isEmpty())
        return;
    if (browser_->find(text))
        return;
    // Past the last match: start again from the top.
    QTextCursor top = browser_->textCursor();
    top.movePosition(QTextCursor::Start);
    browser_->setTextCursor(top);
    if (!browser_->find(text))
        findChild<QLabel *>("findResult")->setText("  Not found");
}

HelpViewer &HelpViewerHolder::show(const QString &helpFile, int topic)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!viewer_)
        viewer_ = new HelpViewer(modal);
    else if (modal && viewer_->parentWidget() != modal && viewer_ != modal)
        viewer_->setParent(modal, Qt::Window);
    viewer_->showTopic(helpFile, topic);
    viewer_->setWindowState(viewer_->windowState() & ~Qt::WindowMinimized);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return *viewer_;
}

HelpViewerHolder::~HelpViewerHolder()
{
    delete viewer_.data();
}

} // namespace varnholt
