#pragma once
// The play history: the balance over the spins as a chart with borrows and vault visits marked,
// the best wins and play time, and whether what the player has seen fits the machine's odds.
// It stays open beside the machine and is refreshed as spins land.

#include "ui/HistoryDialog.h"

#include <QCoreApplication>

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace varnholt {

class HistoryWindow : public HistoryDialog {
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)

public:
    explicit HistoryWindow(QWidget *parent = nullptr);

    void showHistory(const HistoryView &view) override;

    QChartView *chartView() const { return chartView_; }
    QLabel *verdict() const { return verdict_; }

private:
    void buildChart();
    void showChart(const HistoryView &view);
    void showFigures(const HistoryView &view);
    void showFairness(const HistoryView &view);

    QChart *chart_ = nullptr;
    QChartView *chartView_ = nullptr;
    QLineSeries *balance_ = nullptr;
    QScatterSeries *borrows_ = nullptr;
    QScatterSeries *vaults_ = nullptr;
    QValueAxis *spinsAxis_ = nullptr;
    QValueAxis *balanceAxis_ = nullptr;
    QLabel *bestWins_ = nullptr;
    QLabel *losingRun_ = nullptr;
    QLabel *today_ = nullptr;
    QLabel *all_ = nullptr;
    QLabel *returns_ = nullptr;
    QLabel *verdict_ = nullptr;
};

// "2 h 05 min", "12 min", "under a minute".
QString playTimeText(std::int64_t milliseconds);

} // namespace varnholt
