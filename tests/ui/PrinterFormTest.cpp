#include "ui/printerunit.h"

#include "FormFixture.h"
#include "TestWindows.h"

#include "platform/Canvas.h"
#include "platform/CanvasWidget.h"
#include "platform/PictureLoader.h"
#include "ui/FormServices.h"
#include "ui/LinkLabel.h"

#include <QFrame>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// A default printer by its queue name, added without a description.
class FixedPrinter final : public DefaultPrinter {
public:
    explicit FixedPrinter(std::optional<std::string> name) : name_(std::move(name)) {}
    std::optional<PrintQueue> queue() override
    {
        if (!name_)
            return std::nullopt;
        return PrintQueue{*name_, ""};
    }

private:
    std::optional<std::string> name_;
};

class RecordingWeb final : public WebOpener {
public:
    explicit RecordingWeb(std::vector<QString> &log) : log_(log) {}
    bool open(const QString &address) override
    {
        log_.push_back(address);
        return false; // as on a desktop without a browser
    }

private:
    std::vector<QString> &log_;
};

const QString kSite = "https://inkfairn.example/";

class PrinterFormTest : public ::testing::Test {
protected:
    void SetUp() override { testApp(); }

    std::unique_ptr<TestPrinterForm> open(std::optional<std::string> name)
    {
        printer = std::make_unique<FixedPrinter>(std::move(name));
        return std::make_unique<TestPrinterForm>(*printer,
                                                 [this](const QString &page) { opened.push_back(page); });
    }

    std::unique_ptr<FixedPrinter> printer;
    std::vector<QString> opened;
};

QColor textColour(const QWidget &w) { return w.palette().color(QPalette::WindowText); }

void clickOn(QWidget &target)
{
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, target.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
}

} // namespace

TEST_F(PrinterFormTest, NoDefaultPrinterHidesTheSpecialAndStopsTheBlinking)
{
    for (const std::optional<std::string> &none :
         {std::optional<std::string>{}, std::optional<std::string>{"None"}}) {
        const auto form = open(none);
        EXPECT_TRUE(form->Panel1->isHidden());
        EXPECT_FALSE(form->Timer1.Enabled());
        form->Label5Click(); // the rest of the window still works
    }
    EXPECT_EQ(opened, (std::vector<QString>{kSite + "canon.html", kSite + "canon.html"}));
}

TEST_F(PrinterFormTest, SpecialIsCentredInThePanelAndLinksToItsPage)
{
    for (const char *name :
         {"Epson Stylus Photo 750", "HP DeskJet 970C Series with a rather long name", ""}) {
        const auto form = open(name);
        const QLabel &n = *form->Label1, &p = *form->Label2;
        EXPECT_TRUE(form->Timer1.Enabled());
        const int total = n.width() + p.width() + 8;
        EXPECT_EQ(n.x(), 481 / 2 - total / 2) << name;
        EXPECT_EQ(p.x(), n.x() + n.width() + 8) << name;
        EXPECT_EQ(n.text(), QChar(0x2068) + QString(name) + QChar(0x2069))
            << "set apart from the text around it";
        EXPECT_EQ(n.toolTip(), form->specialLink());
    }
    const auto form = open("Epson Stylus Photo 750");
    EXPECT_EQ(form->Label2->text(), "$7.95");
    form->Label1Click();
    clickOn(*form->Label2);
    EXPECT_EQ(opened, std::vector<QString>(2, kSite + "epson_stylus_photo_750.html"));
}

TEST_F(PrinterFormTest, PriceAlternatesRedAndYellowOnTheTimer)
{
    const auto form = open("Canon BJC-4000");
    const QColor red(255, 0, 0), yellow(255, 255, 0);
    EXPECT_EQ(textColour(*form->Label2), red);
    for (const QColor &next : {yellow, red, yellow, red}) {
        form->Timer1Timer();
        EXPECT_EQ(textColour(*form->Label2), next);
    }
}

TEST_F(PrinterFormTest, BrandLabelsAndBannerAreasOpenTheirPages)
{
    const auto form = open("HP");
    const std::pair<LinkLabel *, const char *> rows[] = {
        {form->Label3, "apple.html"},  {form->Label4, "brother.html"},
        {form->Label5, "canon.html"},  {form->Label7, "epson.html"},
        {form->Label6, "hp.html"},     {form->Label8, "lexmark.html"},
        {form->Label9, "ibm.html"},    {form->Label23, "panasonic.html"},
        {form->Label10, "xerox.html"}, {form->Label20, "otherbrands.html"},
    };
    int y = 240;
    for (const auto &[label, page] : rows) {
        opened.clear();
        clickOn(*label);
        EXPECT_EQ(opened, std::vector<QString>{kSite + page}) << page;
        EXPECT_EQ(label->geometry().topLeft(), QPoint(48, y));
        EXPECT_EQ(label->toolTip(), label->text());
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        y += 24;
    }
    opened.clear();
    form->Image3MouseDown(355, 50);
    form->Image3MouseDown(600, 10);
    form->Label20Click();
    EXPECT_EQ(opened, (std::vector<QString>{kSite + "canon.html", kSite, kSite + "otherbrands.html"}));
}

TEST_F(PrinterFormTest, PicturesAndPanelAreDrawnInPlace)
{
    const auto form = open("Epson Stylus Photo 750");
    const std::optional<QImage> banner = loadBuiltinPicture("banner.gif");
    ASSERT_TRUE(banner);
    EXPECT_EQ(form->Image3->geometry(), QRect(4, 8, 600, 75));
    EXPECT_TRUE(sameArea(form->Image3->canvas(), QRect(0, 0, 600, 75), *banner));
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(60, 195)), QColor(255, 255, 0)); // inside the panel
    EXPECT_EQ(QColor(shot.pixel(2, 300)), QColor(Qt::white));
}

TEST_F(FormTest, InkfairnOnTheMenuBarOpensTheAdvert)
{
    FormServices services = testServices(800, 600);
    services.defaultPrinter = std::make_unique<FixedPrinter>("Epson Stylus Photo 750");
    std::vector<QString> log;
    services.webOpener = std::make_unique<RecordingWeb>(log);
    TestForm1 form(std::move(services));
    EXPECT_EQ(form.Inkfairn1->text(), "Inkf&airn");
    QString shownPrice;
    form.showSideWindow = [&](QDialog &window) {
        auto &advert = dynamic_cast<TPrinterForm &>(window);
        shownPrice = advert.Label2->text();
        advert.Label1Click();
    };
    form.Inkfairn1->trigger();
    EXPECT_EQ(shownPrice, "$7.95");
    EXPECT_EQ(log, std::vector<QString>{kSite + "epson_stylus_photo_750.html"});
    // Nothing could open it: the games page's two messages, the second naming the sponsor's page.
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Could not find a web browser on your system!");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages[1].text, "Please visit:  " + kSite + "epson_stylus_photo_750.html");
}

TEST_F(PrinterFormTest, APrinterNameThatLooksLikeMarkupShowsAsItIs)
{
    const std::string name = "<b>Epson</b><img src=/dev/zero><table><tr><td>x</td></tr></table>";
    const auto form = open(name);
    EXPECT_EQ(form->Label1->textFormat(), Qt::PlainText);
    EXPECT_EQ(form->Label1->text(), QChar(0x2068) + QString::fromStdString(name) + QChar(0x2069));
    // Painted literally: as wide as the characters themselves, and no picture was looked for.
    const QImage shot = form->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_GT(form->Label1->sizeHint().width(),
              QFontMetrics(form->Label1->font()).horizontalAdvance("<b>Epson</b><img src=/dev/zero>"));
}

TEST_F(FormTest, TheAdvertAtEightHundredBySixHundredKeepsItsTitleBarOnScreen)
{
    FormServices services = testServices(800, 600);
    services.defaultPrinter = std::make_unique<FixedPrinter>("Epson Stylus Photo 750");
    TForm1 form(std::move(services));
    QRect placed;
    form.showSideWindow = [&](QDialog &window) { placed = window.geometry(); };
    form.Inkfairn1->trigger();
    EXPECT_EQ(placed.size(), QSize(605, 623)) << "the advert keeps its size";
    const QRect freeArea = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(placed.top(), freeArea.top());
    EXPECT_GE(placed.left(), freeArea.left());
}
