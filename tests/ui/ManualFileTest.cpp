#include "ui/ManualFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace varnholt;

namespace {

class ManualFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name : {"varnholt-slots.hlp", "varnholt-slots.de.hlp", "varnholt-slots.fr.hlp"}) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        // A folder named like a manual is no manual.
        ASSERT_TRUE(QDir(dir.path()).mkdir("varnholt-slots.es.hlp"));
    }

    std::string pick(const QStringList &languages) const
    {
        const std::string picked = manualFile(exeDir, "varnholt-slots", languages);
        return picked.substr(exeDir.size());
    }

    QTemporaryDir dir;
    const std::string exeDir = dir.path().toStdString() + "/";
};

TEST_F(ManualFile, ReadsTheLanguageWhateverTheRegionOrSpelling)
{
    EXPECT_EQ(pick({"de"}), "varnholt-slots.de.hlp");
    EXPECT_EQ(pick({"de-DE", "de"}), "varnholt-slots.de.hlp");
    EXPECT_EQ(pick({"de_AT"}), "varnholt-slots.de.hlp");
    EXPECT_EQ(pick({"fr-CA"}), "varnholt-slots.fr.hlp");
    EXPECT_EQ(pick({"FR"}), "varnholt-slots.fr.hlp");
}

TEST_F(ManualFile, TakesThePlayersFirstLanguageThatHasAManual)
{
    EXPECT_EQ(pick({"es-ES", "fr-FR", "de-DE"}), "varnholt-slots.fr.hlp") << "no Spanish file";
    EXPECT_EQ(pick({"it-IT", "de-DE"}), "varnholt-slots.de.hlp");
    EXPECT_EQ(pick({"en-GB", "de-DE"}), "varnholt-slots.hlp") << "English first is English";
    EXPECT_EQ(pick({"de.hlp/../x", "deutsch", "d"}), "varnholt-slots.hlp") << "not language codes";
}

TEST_F(ManualFile, FallsBackToEnglish)
{
    EXPECT_EQ(pick({}), "varnholt-slots.hlp");
    EXPECT_EQ(pick({"C"}), "varnholt-slots.hlp");
    EXPECT_EQ(pick({"es"}), "varnholt-slots.hlp");
    EXPECT_EQ(pick({"it-IT", "pt-BR"}), "varnholt-slots.hlp");
}

} // namespace
