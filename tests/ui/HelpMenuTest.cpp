#include "FormFixture.h"

#include "platform/HelpViewer.h"
#include "ui/FaceWidget.h"
#include "ui/FormServices.h"
#include "ui/HelpContext.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class FakeWebOpener final : public WebOpener {
public:
    FakeWebOpener(std::vector<QString> &opened, bool works) : opened_(opened), works_(works) {}
    bool open(const QString &address) override
    {
        opened_.push_back(address);
        return works_;
    }

private:
    std::vector<QString> &opened_;
    bool works_;
};

class HelpMenu : public PlayTest {
protected:
    std::unique_ptr<TestForm1> makeFormWithOpener(bool works)
    {
        FormServices services = testServices(800, 600);
        services.webOpener = std::make_unique<FakeWebOpener>(opened, works);
        return makeClockedForm(std::move(services));
    }

    void writeSettings(const QByteArray &text)
    {
        QFile file(programDir.path() + "/Testing.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static QStringList itemTexts(const QMenu &menu)
    {
        QStringList texts;
        for (const QAction *action : menu.actions())
            texts << (action->isSeparator() ? QString("-") : action->text());
        return texts;
    }

    std::vector<QString> opened;
};

TEST_F(HelpMenu, ItemsCaptionAndVersionFollowTheWindowTitle)
{
    auto form = makeForm(800, 600);
    EXPECT_EQ(form->menuBar()->actions().back()->text(), "&Help") << "Help ends the menu bar";
    EXPECT_EQ(itemTexts(*form->Help1), (QStringList{"Version", "-", "&Varnholt Slots Manual", "-",
                                                    "&Tumblewick Games Page", "-", "&Company Information"}));
    EXPECT_EQ(form->GloamwickSlotsManual1->shortcut(), QKeySequence(Qt::Key_F1));
    form->Version1Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Varnholt Slots\r\n\r\nVersion:  2.2");
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);

    writeSettings("[Settings]\nAboutName=" + QByteArray(30, 'N') + QByteArray(10, 'x') + "\n");
    messages.clear();
    auto renamed = makeForm(800, 600);
    const QString title(30, 'N');
    EXPECT_EQ(renamed->windowTitle(), title);
    EXPECT_EQ(renamed->GloamwickSlotsManual1->text(), "&" + title + " Manual");
    renamed->Version1Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, title + "\r\n\r\nVersion:  2.2");
    EXPECT_EQ(messages[0].caption, title);
    EXPECT_EQ(renamed->AssetPrefix, "Vrn");
}

TEST_F(HelpMenu, GamesPageOpensQuietlyOrBothMessagesComeInOrder)
{
    auto working = makeFormWithOpener(true);
    working->BrennovaHomepage1->trigger();
    EXPECT_EQ(opened, (std::vector<QString>{"https://tumblewick.example/games/"}));
    EXPECT_TRUE(messages.empty());

    auto failing = makeFormWithOpener(false);
    failing->BrennovaHomepage1->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Could not find a web browser on your system!");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages[1].text, "Please visit Tumblewick at:  https://tumblewick.example/");
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
}

TEST_F(HelpMenu, LogoOpensTheGamesPageInEveryState)
{
    saveCurrentGameWith([](SavedFields &g) { g.Credits = 1; });
    auto form = makeFormWithOpener(true);
    const int left = form->Scale(kLogoCorner), top = form->Scale(kLogoCorner);
    form->FormMouseDown(left, top); // start-up lock
    passTime(*form, kStartUpLock);
    form->FormMouseDown(left + kLogoWidth, top + kLogoHeight); // idle, far corner
    form->FormMouseDown(left + kLogoWidth + 1, top);           // just beside it
    forceStops(*form, kLosingStops);
    betOne(*form);
    spin(*form);
    ASSERT_EQ(form->game().Credits, 0);
    form->FormMouseDown(left, top); // out of credits
    EXPECT_EQ(opened.size(), 3u);

    saveCurrentGameWith([](SavedFields &g) { g.Nudges = 2; });
    auto playing = makePlayForm();
    bool pressed = false;
    std::vector<QString> spinOpened;
    playing->openGamesPage = [&] { spinOpened.push_back("games"); };
    clock->duringWait = [&] {
        if (!pressed && playing->playing()) {
            pressed = true;
            playing->FormMouseDown(left, top);
        }
    };
    forceStops(*playing, kLosingStops);
    betOne(*playing);
    spin(*playing);
    EXPECT_EQ(spinOpened.size(), 1u) << "a press during a spin";
    ASSERT_TRUE(playing->game().NudgeAllowed);
    playing->FormMouseDown(left, top);
    EXPECT_EQ(spinOpened.size(), 2u) << "a press while nudges are on offer";
    EXPECT_TRUE(messages.empty());
}

TEST_F(HelpMenu, HelpKeyAndMenuOpenOneViewerAtTheirTopics)
{
    auto form = makeForm(800, 600);
    EXPECT_EQ(form->HelpFile, programDir.path().toStdString() + "/varnholt-slots.hlp");
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&form->faceWidget(), &f1);
    HelpViewer *viewer = form->helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->topic(), kHelpMachine);
    EXPECT_EQ(viewer->browser().toPlainText(),
              "Cannot open the help file " + QString::fromStdString(form->HelpFile) + ".");

    form->CompayInformation1->trigger();
    EXPECT_EQ(form->helpViewer(), viewer) << "one viewer at a time";
    EXPECT_EQ(viewer->topic(), kHelpCompany);
    form->GloamwickSlotsManual1->trigger();
    EXPECT_EQ(viewer->topic(), kHelpContents);
    EXPECT_TRUE(messages.empty()) << "the viewer reports a missing file, not the game";
}

} // namespace
