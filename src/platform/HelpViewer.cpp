#include "platform/HelpViewer.h"

#include "files/SafeRead.h"
#include "platform/ManualCheck.h"
#include "platform/PlainText.h"
#include "platform/Screen.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImageReader>
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
// The pictures one manual may carry: each at most this many pixels a side, all together at most
// this many pixels (our manual has a few dozen of 48 x 48).
constexpr int kMaxManualPictureSide = 2048;
constexpr qint64 kManualPicturePixels = 16LL << 20;

bool isWebLink(const QUrl &link)
{
    const QString scheme = link.scheme().toLower();
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

// A browser that shows one document, the manual read safely (a FIFO or a huge file in its place
// must not hang or exhaust the game), with the pictures it carries inside itself (data:
// addresses). Nothing else the page names is ever opened: no local file, device or FIFO, no
// stylesheet. A refused resource still gets an answer, since an empty one makes Qt open the
// name as a file itself.
class HelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    void setDocumentBytes(const QUrl &file, const std::string &bytes)
    {
        file_ = file;
        html_ = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
        picturePixels_ = 0;
    }
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == file_)
            return html_;
        if (type == QTextDocument::ImageResource)
            return embeddedPicture(name);
        return QString(" ");
    }

private:
    QImage embeddedPicture(const QUrl &name)
    {
        QImage none(1, 1, QImage::Format_ARGB32);
        none.fill(Qt::transparent);
        if (name.scheme().compare("data", Qt::CaseInsensitive) != 0)
            return none;
        const QString address = name.path(QUrl::FullyEncoded);
        const qsizetype comma = address.indexOf(',');
        if (comma < 0 || !address.left(comma).endsWith(";base64", Qt::CaseInsensitive))
            return none;
        QByteArray bytes =
            QByteArray::fromBase64(QByteArray::fromPercentEncoding(address.mid(comma + 1).toLatin1()));
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        const qint64 pixels = qint64(size.width()) * size.height();
        if (!size.isValid() || size.width() > kMaxManualPictureSide ||
            size.height() > kMaxManualPictureSide || picturePixels_ + pixels > kManualPicturePixels)
            return none;
        picturePixels_ += pixels;
        const QImage picture = reader.read();
        return picture.isNull() ? none : picture;
    }

    QUrl file_;
    QString html_;
    qint64 picturePixels_ = 0;
};
} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The manual never keeps the program running once the machine's own window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Help"));
    browser_ = new HelpBrowser(this);
    // Links are followed here, not by the browser: see followLink().
    browser_->setOpenLinks(false);
    // A caret the arrow keys move: a screen reader reads the manual line by line as it goes.
    browser_->setTextInteractionFlags(browser_->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    browser_->setAccessibleName(tr("Manual"));
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) { followLink(link); });
    findText_ = new QLineEdit(this);
    findText_->setPlaceholderText(tr("Find (Ctrl+F)"));
    findText_->setMaximumWidth(200);
    auto *notFound = new QLabel(this);

    auto *bar = new QToolBar(this);
    addButton(*bar, tr("Contents"), {},
              [this] { browser_->setSource(QUrl(QString("#") + kContentsAnchor)); });
    QAction *back = addButton(*bar, tr("Back"), QKeySequence::keyBindings(QKeySequence::Back),
                              [this] { browser_->backward(); });
    QAction *forward = addButton(*bar, tr("Forward"), QKeySequence::keyBindings(QKeySequence::Forward),
                                 [this] { browser_->forward(); });
    bar->addSeparator();
    addButton(*bar, tr("Smaller"), {QKeySequence::ZoomOut}, [this] { browser_->zoomOut(); });
    addButton(*bar, tr("Larger"), {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")},
              [this] { browser_->zoomIn(); });
    bar->addSeparator();
    bar->addWidget(findText_);
    addButton(*bar, tr("Find Next"), {QKeySequence::FindNext}, [this] { findNext(); });
    bar->addWidget(notFound);
    // Ctrl+F has no button: the find field stands in the bar already.
    auto *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        findText_->setFocus();
        findText_->selectAll();
    });
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
        showProblem(tr("Cannot open the help file %1.").arg(helpFile));
        return false;
    }
    if (const std::string problem = manualLayoutProblem(contents.bytes); !problem.empty()) {
        showProblem(tr("The help file %1 cannot be shown: %2.")
                        .arg(helpFile, QCoreApplication::translate("HelpViewer", problem.c_str())));
        return false;
    }
    if (loadedFile_ != helpFile) {
        static_cast<HelpBrowser *>(browser_)->setDocumentBytes(QUrl::fromLocalFile(helpFile), contents.bytes);
        browser_->clearHistory();
        browser_->setSource(QUrl::fromLocalFile(helpFile), QTextDocument::HtmlResource);
        loadedFile_ = helpFile;
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Help") : plainWindowTitle(title));
    }
    return true;
}

void HelpViewer::showProblem(const QString &text)
{
    loadedFile_.clear();
    browser_->clearHistory();
    browser_->setPlainText(text);
    setWindowTitle(tr("Help"));
}

void HelpViewer::followLink(const QUrl &link)
{
    if (!loadedFile_.isEmpty() && link.adjusted(QUrl::RemoveFragment) == QUrl::fromLocalFile(loadedFile_))
        browser_->setSource(link, QTextDocument::HtmlResource);
    else if (isWebLink(link) && openWebLink)
        openWebLink(link);
    // Anything else (a local file, javascript:, another program's scheme) is not followed.
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
        findChild<QLabel *>("findResult")->setText(tr("  Not found"));
}

HelpViewer &HelpViewerHolder::show(const QString &helpFile, int topic)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!viewer_) {
        viewer_ = new HelpViewer(modal);
        viewer_->openWebLink = openWebLink;
        placeViewer(modal ? modal : over.data());
    } else if (modal && viewer_->parentWidget() != modal && viewer_ != modal)
        viewer_->setParent(modal, Qt::Window);
    viewer_->showTopic(helpFile, topic);
    viewer_->setWindowState(viewer_->windowState() & ~Qt::WindowMinimized);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return *viewer_;
}

void HelpViewer::fitOnScreen(QMargins frame, const QRect &over)
{
    const QRect freeArea = primaryScreenFreeArea();
    if (freeArea.isEmpty())
        return;
    resize(size().boundedTo(freeArea.size().shrunkBy(frame)));
    move(windowFramePlace(size().grownBy(frame), over.isEmpty() ? freeArea : over, freeArea));
}

bool HelpViewer::event(QEvent *event)
{
    // A window that can be resized may get a larger frame than the fixed game window it was first
    // fitted by (a resize handle at the bottom): once its own frame is known, fit it again.
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (placed && !fittedToOwnFrame_ && isVisible()) {
        if (const QMargins frame = windowFrameMargins(*this); !frame.isNull()) {
            fittedToOwnFrame_ = true;
            fitOnScreen(frame, frameGeometry());
        }
    }
    return QWidget::event(event);
}

void HelpViewerHolder::placeViewer(const QWidget *overWindow)
{
    // As large as it was made, within the free part of the screen with the frame the game's
    // own window has (the viewer's own is not known before it is shown); over the window the
    // player is looking at.
    const bool overShown = overWindow && overWindow->isVisible();
    viewer_->fitOnScreen(overWindow ? windowFrameMargins(*overWindow) : QMargins(),
                         overShown ? overWindow->frameGeometry() : QRect());
}

HelpViewerHolder::~HelpViewerHolder() { delete viewer_.data(); }

} // namespace varnholt
