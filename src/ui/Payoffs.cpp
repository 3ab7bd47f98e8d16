#include "ui/Payoffs.h"

#include "platform/CanvasWidget.h"
#include "platform/FileLookup.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/RequiredPicture.h"
#include "ui/DialogFrame.h"
#include "ui/HelpContext.h"

#include <QFileInfo>

namespace varnholt {

namespace {

constexpr char kChartFile[] = "Paychart.jpg";

QString sizeText(QSize size) { return QString("%1 x %2").arg(size.width()).arg(size.height()); }

// Why the chart file is not shown, in the player's words.
QString refusal(const QString &file, const DecodedPicture &loaded, QSize screen)
{
    QString why;
    if (loaded.image)
        why = TPaychart::tr("The payoff chart %1 (%2 pixels) is larger than the screen (%3 pixels).")
                  .arg(file, sizeText(loaded.image->size()), sizeText(screen));
    else if (loaded.fault == PictureFault::Unreadable)
        why = TPaychart::tr("The payoff chart %1 cannot be read.").arg(file);
    else if (loaded.fault == PictureFault::TooLarge)
        why = TPaychart::tr("The payoff chart %1 is too large a picture for the game to hold.").arg(file);
    else
        why = TPaychart::tr("The payoff chart %1 is damaged or is not a JPEG picture.").arg(file);
    return why + QStringLiteral("\n") + TPaychart::tr("The built-in chart is shown instead.");
}

} // namespace

TPaychart::TPaychart(const std::string &exeDir, MessageSink &messages, const QString &messageCaption,
                     QSize screen, QWidget *parent)
    : QDialog(parent)
{
    setHelpContext(*this, kHelpPayoffChart);
    FormCreate(exeDir, messages, messageCaption, screen);
}

void TPaychart::FormCreate(const std::string &exeDir, MessageSink &messages, const QString &messageCaption,
                           QSize screen)
{
    QImage chart;
    if (const std::optional<std::string> path = findFileIgnoringCase(exeDir, kChartFile)) {
        DecodedPicture file = loadBudgetedPicture(*path, kChartFile);
        if (file && file.image->width() <= screen.width() && file.image->height() <= screen.height())
            chart = std::move(*file.image);
        else
            messages.show(parentWidget(), messageCaption,
                          refusal(QFileInfo(QString::fromStdString(*path)).fileName(), file, screen),
                          MessageIcon::Error);
    }
    if (chart.isNull())
        chart = requiredBuiltinPicture("paychart.jpg");

    // Built before the window is shown, so no resizing is ever seen.
    Image1 = new CanvasWidget(this);
    Image1->setFocusPolicy(Qt::NoFocus);
    Image1->setGeometry(QRect(QPoint(0, 0), chart.size()));
    Image1->resetCanvas(chart.size(), devicePixelRatioF()).copyAt(chart, QPoint(0, 0));
    setUpFixedWindow(*this, chart.size(), tr("Payoff Chart"));
}

} // namespace varnholt
