#include "TestApp.h"

#include "platform/HelpViewer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <sys/stat.h>

using namespace varnholt;

TEST(HelpViewer, OpensAtTheTopicAndReportsAFileItCannotRead)
{
    test::testApp();
    QTemporaryDir dir;
    const QString path = dir.filePath("game.hlp");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>Game Help</title></head><body><a name=\"contents\"></a><p>Start</p>"
               "<a name=\"41009\"></a><p>Company</p></body></html>");
    file.close();

    HelpViewerHolder holder;
    HelpViewer &viewer = holder.show(path, 41009);
    EXPECT_EQ(viewer.browser().source().fragment(), "41009");
    EXPECT_TRUE(viewer.browser().toPlainText().contains("Company"));
    EXPECT_EQ(viewer.windowTitle(), "Game Help");
    EXPECT_EQ(&holder.show(path, 0), &viewer);
    EXPECT_EQ(viewer.browser().source().fragment(), "contents");
    EXPECT_TRUE(viewer.browser().isBackwardAvailable());

    // A FIFO in the file's place would block a plain read until a writer came.
    const QString fifo = dir.filePath("fifo.hlp");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString &bad : {dir.filePath("missing.hlp"), dir.path(), fifo}) {
        holder.show(bad, 41009);
        EXPECT_EQ(viewer.browser().toPlainText(), "Cannot open the help file " + bad + ".");
    }
    holder.show(path, 41009);
    EXPECT_TRUE(viewer.browser().toPlainText().contains("Company")) << "a readable file again";
}

TEST(HelpViewer, ClosingTheLastOtherWindowEndsTheProgramWhileTheManualIsOpen)
{
    test::testApp();
    QWidget machine;
    machine.show();
    HelpViewerHolder holder;
    holder.show("missing.hlp", 0);
    // The application notices its last window only while its event loop runs; a guard ends the
    // loop should it not (quitting closes every window, so only a close before it counts).
    bool guardFired = false, closedByMachine = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &machine,
                     [&] { closedByMachine = !guardFired; });
    QTimer::singleShot(0, &machine, [&] { machine.close(); });
    QTimer::singleShot(5000, qApp, [&] {
        guardFired = true;
        QCoreApplication::quit();
    });
    QApplication::exec();
    EXPECT_TRUE(closedByMachine);
}

namespace {

QString writeManual(const QTemporaryDir &dir, const QByteArray &html)
{
    const QString path = dir.filePath("game.hlp");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(html);
    return path;
}

QString embeddedPng(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return "data:image/png;base64," + QString::fromLatin1(png.toBase64());
}

} // namespace

TEST(HelpViewer, TheManualLoadsOnlyThePicturesItCarriesAndFollowsOnlyItsOwnAndWebLinks)
{
    test::testApp();
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.png");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString own = embeddedPng(QSize(4, 3)), tooLarge = embeddedPng(QSize(4000, 1));
    // Each of these, loaded as the page names it, aborts the program or hangs it.
    const QByteArray page =
        "<html><head><link rel=\"stylesheet\" href=\"/dev/zero\"></head><body>"
        "<a name=\"contents\"></a><img src=\"/dev/zero\"><img src=\"file:///dev/urandom\">"
        "<img src=\"fifo.png\"><img src=\"" +
        own.toLatin1() + "\"><img src=\"" + tooLarge.toLatin1() +
        "\"><p style=\"background-image: url(/dev/zero)\">Text</p>"
        "<a name=\"41009\"></a><p>Company</p></body></html>";
    const QString path = writeManual(dir, page);
    HelpViewerHolder holder;
    std::vector<QUrl> webLinks;
    holder.openWebLink = [&](const QUrl &link) { webLinks.push_back(link); };
    HelpViewer &viewer = holder.show(path, 0);
    viewer.grab(); // laid out and painted, every picture asked for
    QTextDocument &document = *viewer.browser().document();
    EXPECT_EQ(document.resource(QTextDocument::ImageResource, QUrl(own)).value<QImage>().size(), QSize(4, 3));
    for (const QString &refused : {QString("/dev/zero"), QString("file:///dev/urandom"), tooLarge})
        EXPECT_EQ(document.resource(QTextDocument::ImageResource, QUrl(refused)).value<QImage>().size(),
                  QSize(1, 1))
            << refused.left(40).toStdString();

    // Links: within the manual, or to the web through the program's opener; nothing else.
    QUrl company = QUrl::fromLocalFile(path);
    company.setFragment("41009");
    const QUrl web("https://game-icons.net"), mail("mailto:help@tumblewick.example");
    for (const QUrl &link : {QUrl("file:///etc/passwd"), QUrl("javascript:alert(1)"),
                             QUrl::fromLocalFile(fifo), web, mail, company})
        emit viewer.browser().anchorClicked(link);
    EXPECT_EQ(viewer.browser().source(), company);
    EXPECT_EQ(webLinks, (std::vector<QUrl>{web, mail}));
    EXPECT_FALSE(viewer.browser().toPlainText().contains("root:"));
}

TEST(HelpViewer, AManualNestedTooDeeplyIsRefusedWithAMessageNotAFreeze)
{
    test::testApp();
    QTemporaryDir dir;
    QByteArray nested;
    for (int level = 0; level < 20; ++level)
        nested = "<table><tr><td>" + nested + "</td></tr></table>";
    const QString path =
        writeManual(dir, "<html><body><a name=\"contents\"></a>" + nested + "</body></html>");
    HelpViewerHolder holder;
    HelpViewer &viewer = holder.show(path, 0);
    EXPECT_EQ(viewer.browser().toPlainText(),
              "The help file " + path + " cannot be shown: its tables are nested too deeply to be laid out.");

    QByteArray fourDeep = "x";
    for (int level = 0; level < 4; ++level)
        fourDeep = "<TABLE border=1><tr><td>" + fourDeep + "</td></tr></TABLE >";
    writeManual(dir, "<html><body><a name=\"contents\"></a>" + fourDeep + "</body></html>");
    holder.show(dir.filePath("game.hlp"), 0);
    EXPECT_EQ(viewer.browser().toPlainText().trimmed(), "x") << "four levels are shown";
}

TEST(HelpViewer, OpensOverTheGameWithinTheFreePartOfTheScreen)
{
    test::testApp();
    const QRect freeArea = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget game;
    game.setGeometry(QRect(freeArea.topLeft() + QPoint(100, 50), QSize(400, 300)));
    game.show();
    HelpViewerHolder holder;
    holder.over = &game;
    HelpViewer &viewer = holder.show("missing.hlp", 0);
    EXPECT_TRUE(freeArea.contains(viewer.frameGeometry()))
        << "the whole window, title bar and bottom, on screen";
    EXPECT_EQ(viewer.width(), std::min(760, freeArea.width()));
    EXPECT_EQ(viewer.height(), std::min(600, freeArea.height()));
    EXPECT_TRUE(viewer.frameGeometry().contains(game.frameGeometry().center())) << "over the game";
}

TEST(HelpViewer, TheShippedManualLooksAsQtsOwnBrowserShowsIt)
{
    test::testApp();
    QFile file(VARNHOLT_MANUAL);
    if (!file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "the manual is not built";
    QTextBrowser reference; // Qt's own loading, data: pictures and all
    reference.setHtml(QString::fromUtf8(file.readAll()));
    HelpViewerHolder holder;
    HelpViewer &viewer = holder.show(VARNHOLT_MANUAL, 0);
    auto render = [](QTextBrowser &browser) {
        browser.setLineWrapMode(QTextEdit::FixedPixelWidth);
        browser.setLineWrapColumnOrWidth(700);
        QTextDocument &document = *browser.document();
        QImage page(document.size().toSize(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        document.drawContents(&painter);
        return page;
    };
    const QImage shown = render(viewer.browser());
    EXPECT_GT(shown.height(), 2000) << "the whole manual, not a refusal";
    EXPECT_EQ(shown, render(reference)) << "pixel for pixel, pictures and all";
}
