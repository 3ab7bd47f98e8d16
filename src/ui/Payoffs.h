#pragma once
// The payoff chart: one picture of the pay table and the bonus features, the built-in one or
// "Paychart.jpg" beside the program, in a window the picture's size.

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <string>

namespace varnholt {

class CanvasWidget;
class MessageSink;

class TPaychart : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TPaychart)

public:
    // exeDir: where "Paychart.jpg" is looked for. The file counts against the replacement
    // pictures' budget; one that cannot be read, or is larger than `screen`, is reported through
    // messages (under messageCaption) and the built-in chart shown instead.
    TPaychart(const std::string &exeDir, MessageSink &messages, const QString &messageCaption, QSize screen,
              QWidget *parent = nullptr);

private:
    void FormCreate(const std::string &exeDir, MessageSink &messages, const QString &messageCaption,
                    QSize screen);

    CanvasWidget *Image1 = nullptr;
};

} // namespace varnholt
