#include "ui/Payoffs.h"

#include "SideWindowsFixture.h"

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
            shown = chart.image1Canvas().image().copy();
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

TEST_F(PayoffChart, UnreadableFileIsReportedThenTheBuiltInChartShown)
{
    auto form = makeForm(800, 600);
    QFile broken(programDir.filePath("paychart.JPG"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE0 not really a picture");
    broken.close();
    EXPECT_EQ(openedSize(*form), QSize(640, 560));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages[0].text.contains("paychart.JPG"));
}
