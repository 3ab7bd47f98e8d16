#include "TestApp.h"

#include "platform/HelpViewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
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
