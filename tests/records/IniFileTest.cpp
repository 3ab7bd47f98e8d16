#include "records/IniFile.h"
#include "records/IniValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace varnholt;

TEST(IniRead, NamesAreFoundRegardlessOfCaseAndBlanks)
{
    const IniFile ini = IniFile::fromText("  [ Game Slot ]  \n\t Credits \t=\t 250  \n");
    EXPECT_EQ(ini.ReadString("game slot", "CREDITS", "x"), "250");
    EXPECT_EQ(ini.ReadString("GAME SLOT", "credits", "x"), "250");
    EXPECT_TRUE(ini.SectionExists("Game slot"));
    EXPECT_FALSE(ini.SectionExists("GameSlot"));
    EXPECT_EQ(ini.ReadString("Game Slot", "Borrowed", "none"), "none");
    EXPECT_EQ(ini.ReadString("Other", "Credits", "none"), "none");
}

TEST(IniRead, MatchingQuotesAreDroppedOnce)
{
    const IniFile ini = IniFile::fromText("[S]\n"
                                          "double=\"  padded  \"\n"
                                          "single='x'\n"
                                          "nested=\"'a'\"\n"
                                          "mixed=\"a'\n"
                                          "lone=\"\n"
                                          "empty=\"\"\n"
                                          "inner=a \"b\" c\n");
    EXPECT_EQ(ini.ReadString("S", "double", ""), "  padded  ");
    EXPECT_EQ(ini.ReadString("S", "single", ""), "x");
    EXPECT_EQ(ini.ReadString("S", "nested", ""), "'a'");
    EXPECT_EQ(ini.ReadString("S", "mixed", ""), "\"a'");
    EXPECT_EQ(ini.ReadString("S", "lone", ""), "\"");
    EXPECT_EQ(ini.ReadString("S", "empty", "default"), "");
    EXPECT_EQ(ini.ReadString("S", "inner", ""), "a \"b\" c");
}

TEST(IniRead, FirstOfDuplicateSectionsAndKeysWins)
{
    const IniFile ini = IniFile::fromText("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nonly=5\n");
    EXPECT_EQ(ini.ReadString("A", "K", ""), "1");
    EXPECT_EQ(ini.ReadString("B", "k", ""), "3");
    // The second [a] is never consulted, even for a key the first lacks.
    EXPECT_EQ(ini.ReadString("A", "only", "missing"), "missing");
}

TEST(IniRead, LineEndingsAndOddLines)
{
    const IniFile crlf = IniFile::fromText("[S]\r\nname=Ann\r\nsize=3\r\n");
    EXPECT_EQ(crlf.ReadString("S", "name", ""), "Ann");
    EXPECT_EQ(crlf.ReadInteger("S", "size", 0), 3);

    const IniFile noFinalBreak = IniFile::fromText("[S]\nname=Bo");
    EXPECT_EQ(noFinalBreak.ReadString("S", "name", ""), "Bo");

    const IniFile odd = IniFile::fromText("stray=before any section\n"
                                          "[S\n" // no closing bracket: not a section
                                          "k=early\n"
                                          "=no name\n"
                                          "junk line\n"
                                          "[S] trailing words\n"
                                          "k=late\n"
                                          "url=a=b=c\n"
                                          "empty=\n");
    EXPECT_EQ(odd.ReadString("S", "url", ""), "a=b=c");
    EXPECT_EQ(odd.ReadString("S", "empty", "default"), "");
    EXPECT_EQ(odd.ReadString("", "stray", "none"), "none");
    EXPECT_EQ(odd.ReadString("S", "k", ""), "late");

    const IniFile withMark = IniFile::fromText("\xEF\xBB\xBF[S]\nk=v\n");
    EXPECT_EQ(withMark.ReadString("S", "k", ""), "v");
}

TEST(IniRead, LongValuesAreCutWithoutSplittingCharacters)
{
    const IniFile plain = IniFile::fromText("[S]\nk=" + std::string(5000, 'z') + "\n");
    EXPECT_EQ(plain.ReadString("S", "k", "").size(), kIniValueLimit);

    // Two-byte characters: the cut counts characters, not bytes.
    std::string wide;
    for (int i = 0; i < 3000; ++i)
        wide += "\xC3\xA9";
    const IniFile utf8 = IniFile::fromText("[S]\nk=" + wide + "\n");
    EXPECT_EQ(utf8.ReadString("S", "k", "").size(), 2 * kIniValueLimit);

    EXPECT_EQ(cutToCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(cutToCharacters("short", 30), "short");
    EXPECT_EQ(cutToCharacters("abc", 0), "");
}

TEST(IniRead, BinaryJunkDoesNotBreakReading)
{
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk += static_cast<char>((i * 131 + 7) % 256);
    const IniFile ini = IniFile::fromText(junk + "\n[S]\nk=ok\n" + junk);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "ok");
    EXPECT_EQ(ini.ReadInteger("Nowhere", "k", 42), 42);
}

TEST(IniInteger, AcceptedForms)
{
    EXPECT_EQ(parseIniInteger("0x10", -1), 16);
    EXPECT_EQ(parseIniInteger("0XfF", -1), 255);
    EXPECT_EQ(parseIniInteger("$1F", -1), 31);
    EXPECT_EQ(parseIniInteger("-$10", -1), -16);
    EXPECT_EQ(parseIniInteger("-5", -1), -5);
    EXPECT_EQ(parseIniInteger("+7", -1), 7);
    EXPECT_EQ(parseIniInteger("007", -1), 7);
    EXPECT_EQ(parseIniInteger("0", -1), 0);
    EXPECT_EQ(parseIniInteger("2147483647", -1), INT_MAX);
    EXPECT_EQ(parseIniInteger("-2147483648", -1), INT_MIN);
    EXPECT_EQ(parseIniInteger("$7FFFFFFF", -1), INT_MAX);
}

TEST(IniInteger, AnythingElseGivesTheDefault)
{
    for (const char *text : {"", "0x", "0X", "$", "-", "+", "abc", "12abc", "1 2", "1.5", "--1",
                             "0x1G", "$-1", "-0x10", "+0x10", "2147483648", "-2147483649",
                             "99999999999999999999", "$80000000", "0x100000000"})
        EXPECT_EQ(parseIniInteger(text, 1000), 1000) << '"' << text << '"';
}

TEST(IniInteger, ReadIntegerUsesTheTrimmedUnquotedValue)
{
    const IniFile ini = IniFile::fromText("[S]\na = 0x10 \nb=\"12\"\nc=abc\nd=\n");
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "b", 0), 12);
    EXPECT_EQ(ini.ReadInteger("S", "c", 1000), 1000);
    EXPECT_EQ(ini.ReadInteger("S", "d", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "missing", -3), -3);
}

TEST(IniWrite, ExistingKeyChangesOnlyItsOwnLine)
{
    IniFile ini = IniFile::fromText("; kept comment\n"
                                    "[One]\n"
                                    "  Alpha = 1\n"
                                    "junk without equals\n"
                                    "\n"
                                    "[Two]\n"
                                    "Alpha=2\n");
    ini.WriteString("ONE", "alpha", "changed");
    EXPECT_EQ(ini.text(), "; kept comment\n"
                          "[One]\n"
                          "Alpha=changed\n"
                          "junk without equals\n"
                          "\n"
                          "[Two]\n"
                          "Alpha=2\n");
}

TEST(IniWrite, NewKeyGoesToTheEndOfItsSectionAndNewSectionToTheEnd)
{
    IniFile ini = IniFile::fromText("[One]\na=1\n\n[Two]\nb=2\n");
    ini.WriteString("one", "c", "3");
    ini.WriteInteger("Two", "d", -4);
    ini.WriteString("Three", "e", "5");
    ini.WriteString("Three", "f", "6");
    EXPECT_EQ(ini.text(), "[One]\na=1\nc=3\n\n[Two]\nb=2\nd=-4\n[Three]\ne=5\nf=6\n");
}

TEST(IniWrite, WritesGoToTheFirstOfDuplicateSections)
{
    IniFile ini = IniFile::fromText("[S]\nk=1\n[s]\nk=2\n");
    ini.WriteString("S", "k", "9");
    ini.WriteString("S", "n", "new");
    EXPECT_EQ(ini.text(), "[S]\nk=9\nn=new\n[s]\nk=2\n");
}

TEST(IniWrite, KeepsTheFilesLineEndingsAndMark)
{
    IniFile crlf = IniFile::fromText("\xEF\xBB\xBF[S]\r\nk=1\r\nlast=x");
    crlf.WriteString("S", "k", "2");
    EXPECT_EQ(crlf.text(), "\xEF\xBB\xBF[S]\r\nk=2\r\nlast=x\r\n");

    IniFile fresh;
    fresh.WriteString("S", "k", "v");
    EXPECT_EQ(fresh.text(), "[S]\nk=v\n");
}

TEST(IniWrite, AnyValueReadsBackAsWritten)
{
    IniFile ini;
    for (const std::string value :
         {"", " lead", "trail ", "\"quoted\"", "'single'", "\"", "a=b", "tab\there", "\"a' "}) {
        ini.WriteString("S", "k", value);
        EXPECT_EQ(IniFile::fromText(ini.text()).ReadString("S", "k", "?"), value) << value;
    }
    // A line break cannot live in a one-line value, and must not smuggle in another key.
    ini.WriteString("S", "k", "Ann\r\nCredits=999999");
    const IniFile reread = IniFile::fromText(ini.text());
    EXPECT_EQ(reread.ReadString("S", "k", ""), "Ann  Credits=999999");
    EXPECT_EQ(reread.ReadString("S", "Credits", "absent"), "absent");
}
