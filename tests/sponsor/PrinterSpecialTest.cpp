#include "sponsor/PrinterSpecial.h"
#include "sponsor/PrinterTable.h"

#include <gtest/gtest.h>

#include <map>

using namespace varnholt;

namespace {

struct Case {
    const char *name;
    int row;
    const char *page;
    const char *price;
};

const Case kCases[] = {
    {"Epson Stylus Photo 750", 12, "epson_stylus_photo_750.html", "$7.95"},
    {"Epson Stylus COLOR 740", 8, "epson_stylus_color_740.html", "$7.95"},
    {"HP Deskjet 900", 52, "hp_deskjet_900.html", "$12.95"},
    // The dash is a blank for matching but stays in the page.
    {"Canon BJC-4000", 21, "canon_bjc-4000.html", "$5.95"},
    {"  canon bjc-4000 printer  ", 21, "canon_bjc-4000.html", "$5.95"},
    // A brand alone meets its first model row before its brand row.
    {"HP", 35, "hp_color_copier_110.html", "$12.95"},
    {"Hewlett Packard", 85, "hp.html", "Save 40-80%"},
    {"Hewlett-Packard", 85, "hp.html", "Save 40-80%"},
    {"HP DeskJet 970C Series", 0, "index.html", "Save 40-80%"},
    // No words at all, or only a one-letter word, match the first row.
    {"", 1, "epson_stylus_color_440.html", "$7.95"},
    {"x", 1, "epson_stylus_color_440.html", "$7.95"},
    {"Canon BJC-8200 v", 25, "canon_bjc-8200.html", "$7.95"},
    // Only the first ten words count: the last two would match nothing.
    {"HP Deskjet 900 printer fax printer fax printer fax printer zzz qqq", 52, "hp_deskjet_900.html",
     "$12.95"},
};

} // namespace

TEST(PrinterSpecial, NamesFindTheirRowPageAndPrice)
{
    for (const Case &c : kCases) {
        const PrinterSpecial special = findPrinterSpecial(c.name);
        EXPECT_EQ(special.row, c.row) << c.name;
        EXPECT_EQ(special.page, c.page) << c.name;
        EXPECT_EQ(special.price, c.price) << c.name;
    }
}

TEST(PrinterSpecial, WordsKeepTheirBlankAndDropALastLetter)
{
    EXPECT_EQ(nameWords(" Canon BJC-4000 "), (std::vector<std::string>{"canon ", "bjc ", "4000"}));
    EXPECT_EQ(nameWords("Epson a"), (std::vector<std::string>{"epson "}));
    EXPECT_EQ(nameWords("a b c d e f g h i j k l"),
              (std::vector<std::string>{"a ", "b ", "c ", "d ", "e ", "f ", "g ", "h ", "i ", "j "}));
    EXPECT_TRUE(nameWords("").empty());
    // A word before the last keeps its blank, so it cannot match the start of a longer word;
    // the last word can.
    EXPECT_FALSE(nameMatchesPattern("75 Photo", "Epson Stylus Photo 750"));
    EXPECT_TRUE(nameMatchesPattern("Photo 75", "Epson Stylus Photo 750"));
}

TEST(PrinterSpecial, PrinterIsAdvertisedByDescriptionElseQueueName)
{
    EXPECT_EQ(advertisedPrinterName("office_1", "Epson Stylus Photo 750"), "Epson Stylus Photo 750");
    EXPECT_EQ(advertisedPrinterName("HP_Deskjet_900", ""), "HP Deskjet 900");
    EXPECT_EQ(advertisedPrinterName("HP_Deskjet_900", "HP_Deskjet_900"), "HP Deskjet 900");
}

TEST(PrinterTable, ModelNamesEndAtSlashCommaOrSeries)
{
    EXPECT_EQ(modelName("Canon BJC-4000 series"), "Canon BJC-4000");
    EXPECT_EQ(modelName("Canon BJC-35, 50, 70, 80, BJ-30"), "Canon BJC-35");
    EXPECT_EQ(modelName("Epson Stylus Photo/Photo 700/710/Photo EX/EX2"), "Epson Stylus Photo");
    EXPECT_EQ(modelName("Canon BJC-8200"), "Canon BJC-8200");
    EXPECT_EQ(modelPage("Epson Stylus Color 740/740i/760/860/1160"), "epson_stylus_color_740.html");
}

TEST(PrinterTable, ModelRowsCarryTheAdvertisedPriceCounts)
{
    std::map<std::string_view, int> counts;
    for (int i = 0; i < kPrinterRowCount; ++i) {
        const PrinterRow &row = kPrinterTable[i];
        EXPECT_EQ(row.price.empty(), i >= kModelRowCount) << i + 1;
        EXPECT_NE(row.price.empty(), row.brandPage.empty()) << i + 1;
        if (!row.price.empty())
            ++counts[row.price];
    }
    const std::map<std::string_view, int> expected{{"$12.95", 46}, {"$7.95", 16}, {"$5.95", 9},
                                                   {"$6.95", 7},   {"$10.95", 2}, {"$9.95", 2}};
    EXPECT_EQ(counts, expected);
}
