// The game under each translated language: the menus and the messages come in that language
// from the catalogues the build puts beside the program, and Qt's own buttons are translated too.

#include "FormFixture.h"

#include "platform/MessageBox.h"
#include "platform/Plurals.h"
#include "ui/DialogFrame.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <array>
#include <map>
#include <string>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// The languages the build compiles, from translations/LINGUAS.
std::vector<std::string> languages()
{
    std::vector<std::string> list;
    for (const QString &language : QString(VARNHOLT_LANGUAGES).split(u',', Qt::SkipEmptyParts))
        list.push_back(language.toStdString());
    return list;
}

class TranslatedForm : public PlayTest, public testing::WithParamInterface<std::string> {
protected:
    void TearDown() override
    {
        // Each translator leaves the application as it is deleted.
        qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
        PlayTest::TearDown();
    }
};

TEST_P(TranslatedForm, MenusAndMessagesAreTranslated)
{
    const QLocale locale(QString::fromStdString(GetParam()));
    ASSERT_TRUE(installTranslations(*qApp, VARNHOLT_PROGRAM_DIR, locale))
        << "no varnholt-slots_" << GetParam() << ".qm beside the program";

    saveCurrentGameWith([](SavedFields &g) { g.Credits = 0; });
    auto form = makePlayForm();
    const QString file = form->menuBar()->actions().front()->text();
    EXPECT_FALSE(file.isEmpty());
    EXPECT_NE(file, "&File");
    EXPECT_NE(form->Borrow1->text(), "&Borrow");
    press(*form, kBet1X, kBet1Y);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(messages[0].text.isEmpty());
    EXPECT_NE(messages[0].text, "You are out of credits...better borrow some!");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel") << "Qt's own buttons";
}

TEST(Translations, EnglishAndTheCLocaleLoadNothing)
{
    QApplication &app = testApp();
    EXPECT_FALSE(
        installTranslations(app, VARNHOLT_PROGRAM_DIR, QLocale(QLocale::English, QLocale::UnitedKingdom)));
    EXPECT_FALSE(installTranslations(app, VARNHOLT_PROGRAM_DIR, QLocale::c()));
    EXPECT_TRUE(app.findChildren<QTranslator *>(Qt::FindDirectChildrenOnly).isEmpty());
}

// Each language's own plural rule picks the form: French says "0 tour", German "0 Drehungen".
TEST_P(TranslatedForm, CountsTakeTheLanguagesPluralForms)
{
    const std::map<std::string, std::array<const char *, 3>> expected{
        {"de", {"0 Drehungen", "1 Drehung", "2 Drehungen"}},
        {"es", {"0 tiradas", "1 tirada", "2 tiradas"}},
        {"fr", {"0 tour", "1 tour", "2 tours"}},
    };
    const auto forms = expected.find(GetParam());
    if (forms == expected.end())
        GTEST_SKIP() << "no expected forms for " << GetParam();
    ASSERT_TRUE(
        installTranslations(*qApp, VARNHOLT_PROGRAM_DIR, QLocale(QString::fromStdString(GetParam()))));
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(countedText("HistoryWindow", "%Ln spin(s)", n).toStdString(),
                  forms->second[std::size_t(n)]);
}

TEST(Translations, EnglishCountsWithoutACatalogueInstalled)
{
    testApp();
    EXPECT_EQ(countedText("HistoryWindow", "%Ln spin(s)", 1), "1 spin");
    EXPECT_EQ(countedText("HistoryWindow", "%Ln spin(s)", 0), "0 spins");
}

// Every button of the save dialog shows its whole caption, and a message box is wide enough for
// its own: the text's width against the widget's.
TEST_P(TranslatedForm, NoButtonOrCaptionIsCut)
{
    ASSERT_TRUE(
        installTranslations(*qApp, VARNHOLT_PROGRAM_DIR, QLocale(QString::fromStdString(GetParam()))));
    auto form = makePlayForm();
    bool shown = false;
    form->showSideWindow = [&shown](QDialog &dialog) {
        shown = true;
        for (const QPushButton *button : dialog.findChildren<QPushButton *>())
            EXPECT_LE(buttonCaptionWidth(*button), button->width()) << button->text().toStdString();
    };
    form->SaveGame1Click();
    form->showSideWindow = nullptr;
    EXPECT_TRUE(shown);

    QMessageBox box(QMessageBox::Information, QString::fromStdString(form->WindowTitle),
                    QCoreApplication::translate("CoreTexts", "No bet was placed!"));
    fitCaption(box);
    box.show();
    EXPECT_GE(box.width(), captionWidth(box.windowTitle()));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedForm, testing::ValuesIn(languages()),
                         [](const testing::TestParamInfo<std::string> &language) { return language.param; });

} // namespace
