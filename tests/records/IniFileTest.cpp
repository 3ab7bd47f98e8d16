#include "records/IniFile.h"
#include "records/IniValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace varnholt;

TEST(IniRead, LookupIgnoresCaseAndBlanksAndTakesTheFirstDuplicate)
{
    const IniFile ini = IniFile::fromText("stray=outside any section\n"
                                          "  [ Game Slot ]  \n\t Credits \t=\t 250  \nk=1\nk=2\n"
                                          "[S\nk=not a section\n" // no closing bracket
                                          "[game slot]\nonly=in the second copy\n"
                                          "[Other] trailing words\nurl=a=b=c\nempty=\n");
    EXPECT_EQ(ini.ReadString("GAME SLOT", "credits", "x"), "250");
    EXPECT_EQ(ini.ReadString("Game Slot", "K", "x"), "1");
    EXPECT_EQ(ini.ReadString("Game Slot", "only", "missing"), "missing");
    EXPECT_EQ(ini.ReadString("S", "k", "missing"), "missing");
    EXPECT_EQ(ini.ReadString("", "stray", "missing"), "missing");
    EXPECT_EQ(ini.ReadString("other", "url", ""), "a=b=c");
    EXPECT_EQ(ini.ReadString("Other", "empty", "default"), "") << "empty is not missing";
    EXPECT_EQ(ini.ReadString("Other", "absent", "default"), "default");
}

TEST(IniRead, QuotesLineEndingsAndLongValues)
{
    const IniFile ini = IniFile::fromText("\xEF\xBB\xBF[S]\r\n"
                                          "double=\"  padded  \"\r\n"
                                          "single='x'\r\n"
                                          "mixed=\"a'\r\n"
                                          "long=" +
                                          std::string(5000, 'z') +
                                          "\r\n"
                                          "last=no final line break");
    EXPECT_EQ(ini.ReadString("S", "double", ""), "  padded  ");
    EXPECT_EQ(ini.ReadString("S", "single", ""), "x");
    EXPECT_EQ(ini.ReadString("S", "mixed", ""), "\"a'");
    EXPECT_EQ(ini.ReadString("S", "long", "").size(), kIniValueLimit);
    EXPECT_EQ(ini.ReadString("S", "last", ""), "no final line break");

    // The cut counts characters and never splits one.
    std::string wide;
    for (int i = 0; i < 3000; ++i)
        wide += "\xC3\xA9";
    EXPECT_EQ(IniFile::fromText("[S]\nk=" + wide).ReadString("S", "k", "").size(), 2 * kIniValueLimit);
}

TEST(IniInteger, AcceptedForms)
{
    EXPECT_EQ(parseIniInteger("0x10", -1), 16);
    EXPECT_EQ(parseIniInteger("0XfF", -1), 255);
    EXPECT_EQ(parseIniInteger("$1F", -1), 31);
    EXPECT_EQ(parseIniInteger("-$10", -1), -16);
    EXPECT_EQ(parseIniInteger("-5", -1), -5);
    EXPECT_EQ(parseIniInteger("+7", -1), 7);
    EXPECT_EQ(parseIniInteger("2147483647", -1), INT_MAX);
    EXPECT_EQ(parseIniInteger("-2147483648", -1), INT_MIN);

    const IniFile ini = IniFile::fromText("[S]\na = 0x10 \nb=\"12\"\n");
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "b", 0), 12);
    EXPECT_EQ(ini.ReadInteger("S", "missing", -3), -3);
}

TEST(IniInteger, AnythingElseGivesTheDefault)
{
    for (const char *text : {"", "0x", "$", "-", "abc", "12abc", "1 2", "1.5", "--1", "0x1G", "-0x10",
                             "2147483648", "-2147483649", "99999999999999999999", "$80000000", "0x100000000"})
        EXPECT_EQ(parseIniInteger(text, 1000), 1000) << '"' << text << '"';
}

TEST(IniWrite, ChangesOnlyTheLinesItMustAndAppendsInPlace)
{
    IniFile ini = IniFile::fromText("; comment\n[One]\n  Alpha = 1\njunk\n\n[Two]\nb=2\n[one]\nc=0\n");
    ini.WriteString("ONE", "alpha", "changed");
    ini.WriteString("one", "c", "3");
    ini.WriteInteger("Two", "d", -4);
    ini.WriteString("Three", "e", "5");
    ini.WriteString("Three", "f", "6");
    EXPECT_EQ(ini.text(), "; comment\n[One]\nAlpha=changed\njunk\nc=3\n\n[Two]\nb=2\nd=-4\n"
                          "[one]\nc=0\n[Three]\ne=5\nf=6\n");
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
    for (const std::string value : {"", " lead", "trail ", "\"quoted\"", "'single'", "\"a' "}) {
        ini.WriteString("S", "k", value);
        EXPECT_EQ(IniFile::fromText(ini.text()).ReadString("S", "k", "?"), value) << value;
    }
    // A line break cannot live in a one-line value, and must not smuggle in another key.
    ini.WriteString("S", "k", "Ann\r\nCredits=999999");
    const IniFile reread = IniFile::fromText(ini.text());
    EXPECT_EQ(reread.ReadString("S", "k", ""), "Ann  Credits=999999");
    EXPECT_EQ(reread.ReadString("S", "Credits", "absent"), "absent");
    // A NUL pasted into a name box becomes a space, never a raw NUL in the file.
    ini.WriteString("S", "k", std::string("Ann\0Lee", 7));
    EXPECT_EQ(ini.text().find('\0'), std::string::npos);
    EXPECT_EQ(IniFile::fromText(ini.text()).ReadString("S", "k", ""), "Ann Lee");
}
