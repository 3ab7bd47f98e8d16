#include "ui/Payoffs.h"

#include "FormFixture.h"
#include "TestWindows.h"

#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "ui/HelpContext.h"

using namespace varnholt;
using namespace varnholt::test;

namespace {

class PayoffChart : public SideWindowTest {
protected:
    QSize openedSize(TestForm1 &form)
    {
        QSize size;
        whileOpen<TPaychart>(form, &TForm1::Payoffs1Click, [&](TPaychart &chart) {
            EXPECT_EQ(chart.windowTitle(), "Payoff Chart");
            EXPECT_EQ(helpContextOf(&chart), kHelpPayoffChart);
            size = chart.size();
            shown = surfaceOf(chart).image().copy();
        });
        return size;
    }

    QImage shown;
};

} // namespace

TEST_F(PayoffChart, BuiltInChartOrTheFileBesideTheProgram)
{
    auto form = makeForm(800, 600);
    EXPECT_EQ(openedSize(*form), QSize(640, 560));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              loadBuiltinPicture("paychart.jpg").value().convertToFormat(QImage::Format_RGB32));

    QImage chart(800, 600, QImage::Format_RGB32);
    chart.fill(qRgb(200, 40, 40));
    ASSERT_TRUE(chart.save(programDir.filePath("Paychart.jpg"), "JPG", 95));
    EXPECT_EQ(openedSize(*form), QSize(800, 600));
    const QRgb middle = shown.pixel(400, 300);
    EXPECT_NEAR(qRed(middle), 200, 8);
    EXPECT_NEAR(qGreen(middle), 40, 8);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PayoffChart, AChartThatCannotBeShownIsToldInPlainWordsThenTheBuiltInChartShown)
{
    auto form = makeForm(800, 600);
    const QString file = programDir.filePath("paychart.JPG");
    const QString builtIn = "\nThe built-in chart is shown instead.";
    auto refusedWith = [&](const QString &text) {
        messages.clear();
        EXPECT_EQ(openedSize(*form), QSize(640, 560));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(messages[0].text, text + builtIn) << "the file's name once, no decoder's jargon";
    };

    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE0 not really a picture");
    broken.close();
    refusedWith("The payoff chart paychart.JPG is damaged or is not a JPEG picture.");

    QImage wide(801, 100, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    ASSERT_TRUE(wide.save(file, "JPG"));
    refusedWith(
        "The payoff chart paychart.JPG (801 x 100 pixels) is larger than the screen (800 x 600 pixels).");

    // More pixels than the replacement pictures' budget leaves (a genuine JPEG, refused by its
    // header before any pixel memory is taken).
    QImage huge(8192, 4097, QImage::Format_Grayscale8);
    huge.fill(128);
    ASSERT_TRUE(huge.save(file, "JPG", 50));
    refusedWith("The payoff chart paychart.JPG is too large a picture for the game to hold.");
}
