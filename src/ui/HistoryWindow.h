#pragma once
// The play history: the balance over the spins as a chart with borrows and vault visits marked,
// the best wins and play time, and whether what the player has seen fits the machine's odds.
// It stays open beside the machine and is refreshed as spins land.

#include "ui/HistoryDialog.h"

#include <QCoreApplication>

#include <functional>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace varnholt {

struct BalancePoint;

class HistoryWindow : public HistoryDialog {
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)

public:
    explicit HistoryWindow(QWidget *parent = nullptr);

    void showHistory(const HistoryView &view) override;
    void showLoading() override;
    bool loading() const;

    // Writes the history's CSV to `path`; empty on success, else why not, in the system's words.
    QString exportTo(const QString &path);
    // Asked before the history is emptied; a test answers for the player.
    std::function<bool(QWidget *parent)> confirmClear;

protected:
    // The parts the tests read through a subclass; the window itself uses the members.
    QChartView *chartView() const { return chartView_; }
    QLabel *verdict() const { return verdict_; }
    QLabel *returns() const { return returns_; }
    QLabel *inAll() const { return all_; }
    QPushButton *clearButton() const { return clear_; }

private:
    void buildChart();
    void exportAsked();
    void clearAsked();
    void showChart(const HistoryView &view);
    // A sentence a screen reader says of the chart, which it cannot see.
    void describeChart(const std::vector<BalancePoint> &balance);
    void showFigures(const HistoryView &view);
    void showFairness(const HistoryView &view);

    QChart *chart_ = nullptr;
    QChartView *chartView_ = nullptr;
    QLineSeries *balance_ = nullptr;
    QScatterSeries *borrows_ = nullptr;
    QScatterSeries *paybacks_ = nullptr;
    QScatterSeries *vaults_ = nullptr;
    QScatterSeries *games_ = nullptr;
    QComboBox *scope_ = nullptr;
    QPushButton *export_ = nullptr;
    QPushButton *clear_ = nullptr;
    QValueAxis *spinsAxis_ = nullptr;
    QValueAxis *balanceAxis_ = nullptr;
    QLabel *bestWins_ = nullptr;
    QLabel *losingRun_ = nullptr;
    QLabel *today_ = nullptr;
    QLabel *all_ = nullptr;
    QLabel *returns_ = nullptr;
    QLabel *verdict_ = nullptr;
    QLabel *loading_ = nullptr;
};

// "2 h 05 min", "12 min", "under a minute".
QString playTimeText(std::int64_t milliseconds);

} // namespace varnholt
