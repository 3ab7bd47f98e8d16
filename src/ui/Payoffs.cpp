#include "ui/Payoffs.h"

#include "platform/CanvasWidget.h"
#include "platform/FileLookup.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/RequiredPicture.h"
#include "ui/DialogFrame.h"
#include "ui/HelpContext.h"

namespace varnholt {

TPaychart::TPaychart(const std::string &exeDir, MessageSink &messages, const QString &messageCaption,
                     QWidget *parent)
    : QDialog(parent)
{
    setHelpContext(*this, kHelpPayoffChart);
    FormCreate(exeDir, messages, messageCaption);
}

void TPaychart::FormCreate(const std::string &exeDir, MessageSink &messages, const QString &messageCaption)
{
    QImage chart;
    if (const std::optional<std::string> path = findFileIgnoringCase(exeDir, "Paychart.jpg")) {
        DecodedPicture file = loadPictureFile(*path);
        if (file)
            chart = std::move(*file.image);
        else
            messages.show(parentWidget(), messageCaption,
                          QString::fromStdString("The payoff chart " + *path + " cannot be shown: " + file.error +
                                                 "\nThe built-in chart is shown instead."),
                          MessageIcon::Error);
    }
    if (chart.isNull())
        chart = requiredBuiltinPicture("paychart.jpg");

    // Built before the window is shown, so no resizing is ever seen.
    Image1 = new CanvasWidget(this);
    Image1->setFocusPolicy(Qt::NoFocus);
    Image1->setGeometry(QRect(QPoint(0, 0), chart.size()));
    Image1->resetCanvas(chart.size(), devicePixelRatioF()).copyAt(chart, QPoint(0, 0));
    setUpFixedWindow(*this, chart.size(), "Payoff Chart");
}

const Canvas &TPaychart::image1Canvas() const
{
    return Image1->canvas();
}

} // namespace varnholt
