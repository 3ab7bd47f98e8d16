#include "ui/HistoryWindow.h"

#include "platform/PlainText.h"
#include "platform/Plurals.h"
#include "records/SavedGames.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace varnholt {

namespace {

const QColor kBalanceGold(176, 126, 18);
const QColor kBorrowRed(190, 40, 40);
const QColor kVaultBlue(40, 90, 190);

QString grouped(std::int64_t n) { return QLocale().toString(qlonglong(n)); }

QString percent(double p) { return QLocale().toString(p, 'f', 1) + QStringLiteral(" %"); }

QScatterSeries *markerSeries(const QString &name, const QColor &colour, QScatterSeries::MarkerShape shape)
{
    auto *series = new QScatterSeries;
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour.darker(130));
    series->setMarkerShape(shape);
    series->setMarkerSize(11);
    return series;
}

QGroupBox *group(const QString &title, QLayout *content)
{
    auto *box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}

constexpr char kWithin[] =
    QT_TRANSLATE_NOOP("HistoryWindow", "What you have seen is well within what this machine does.");

// The verdict in the player's language. Without a translation it is the rules' own sentence
// (verdictSentence); a translation words it from the verdict.
QString verdictText(const FairnessLines &f)
{
    if (HistoryWindow::tr(kWithin) == QLatin1String(kWithin))
        return QString::fromStdString(f.sentence);
    const QString oneIn = QLocale().toString(qlonglong(f.oneIn));
    switch (f.verdict) {
    case Verdict::UnusuallyLucky:
        return HistoryWindow::tr("What you have seen is unusually lucky: about 1 player in %1 sees this.")
            .arg(oneIn);
    case Verdict::UnusuallyUnlucky:
        return HistoryWindow::tr("What you have seen is unusually unlucky: about 1 player in %1 sees this.")
            .arg(oneIn);
    case Verdict::Within:
        break;
    }
    return HistoryWindow::tr(kWithin);
}

} // namespace

QString playTimeText(std::int64_t milliseconds)
{
    const std::int64_t minutes = milliseconds / 60000;
    if (minutes < 1)
        return HistoryWindow::tr("under a minute");
    if (minutes < 60)
        //: Time played, abbreviated as a clock shows it; %1 is minutes.
        return HistoryWindow::tr("%1 min").arg(minutes);
    //: Time played, abbreviated; %1 is hours, %2 minutes (two digits).
    return HistoryWindow::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

HistoryWindow::HistoryWindow(QWidget *parent) : HistoryDialog(parent)
{
    //: The window of the player's past play: figures, a chart and how fair the machine was.
    setWindowTitle(tr("Play History"));
    // Beside the machine, not in front of it: the game stays playable while this is open.
    setModal(false);
    setSizeGripEnabled(true);
    buildChart();

    bestWins_ = makePlainLabel(this);
    bestWins_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    losingRun_ = makePlainLabel(this);
    today_ = makePlainLabel(this);
    all_ = makePlainLabel(this);
    auto *play = new QFormLayout;
    //: Followed by a count of spins in a row that won nothing.
    play->addRow(tr("Longest losing run:"), losingRun_);
    play->addRow(tr("Today:"), today_);
    play->addRow(tr("In all:"), all_);
    auto *winsLayout = new QVBoxLayout;
    winsLayout->addWidget(bestWins_);
    auto *figures = new QHBoxLayout;
    figures->addWidget(group(tr("Best wins"), winsLayout), 1);
    //: A group's title (noun): figures of the time and spins played.
    figures->addWidget(group(tr("Play"), play), 1);

    returns_ = makePlainLabel(this);
    returns_->setWordWrap(true);
    verdict_ = makePlainLabel(this);
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    auto *fairness = new QVBoxLayout;
    fairness->addWidget(returns_);
    fairness->addWidget(verdict_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chartView_, 1);
    layout->addLayout(figures);
    layout->addWidget(group(tr("Is it fair?"), fairness));
    layout->addWidget(buttons);
    resize(760, 560);
    showHistory({});
}

void HistoryWindow::buildChart()
{
    balance_ = new QLineSeries;
    balance_->setName(tr("Balance (credits minus borrowed)"));
    QPen line(kBalanceGold);
    line.setWidthF(2.0);
    balance_->setPen(line);
    borrows_ = markerSeries(tr("Borrowed or paid back"), kBorrowRed, QScatterSeries::MarkerShapeTriangle);
    //: The chart's marks for visits to the bonus vault.
    vaults_ = markerSeries(tr("Vault"), kVaultBlue, QScatterSeries::MarkerShapeCircle);

    chart_ = new QChart;
    chart_->addSeries(balance_);
    chart_->addSeries(borrows_);
    chart_->addSeries(vaults_);
    spinsAxis_ = new QValueAxis;
    //: The chart's horizontal axis: the spins played, counted.
    spinsAxis_->setTitleText(tr("Spins"));
    spinsAxis_->setLabelFormat(QStringLiteral("%d"));
    balanceAxis_ = new QValueAxis;
    //: The chart's vertical axis: the player's balance in credits.
    balanceAxis_->setTitleText(tr("Credits"));
    balanceAxis_->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(spinsAxis_, Qt::AlignBottom);
    chart_->addAxis(balanceAxis_, Qt::AlignLeft);
    for (QAbstractSeries *series : chart_->series()) {
        series->attachAxis(spinsAxis_);
        series->attachAxis(balanceAxis_);
    }
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));

    chartView_ = new QChartView(chart_, this);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(220);
}

void HistoryWindow::showHistory(const HistoryView &view)
{
    showChart(view);
    showFigures(view);
    showFairness(view);
}

void HistoryWindow::showChart(const HistoryView &view)
{
    QList<QPointF> points, borrowed, vault;
    points.reserve(qsizetype(view.report.balance.size()));
    long long low = 0, high = 0, lastSpin = 1;
    for (const BalancePoint &p : view.report.balance) {
        const QPointF at(double(p.spin), double(p.balance));
        points.append(at);
        if (p.borrowed || p.paidBack)
            borrowed.append(at);
        if (p.vaultOpened)
            vault.append(at);
        low = std::min(low, p.balance);
        high = std::max(high, p.balance);
        lastSpin = std::max(lastSpin, p.spin);
    }
    balance_->replace(points);
    borrows_->replace(borrowed);
    vaults_->replace(vault);

    spinsAxis_->setRange(0, double(lastSpin));
    // A little room above and below, and the zero line always in view.
    const double pad = std::max<double>(10, double(high - low) * 0.08);
    balanceAxis_->setRange(double(low) - pad, double(high) + pad);
    constexpr int kSpinTicks = 5;
    spinsAxis_->setTickCount(kSpinTicks);
    spinsAxis_->applyNiceNumbers();
    balanceAxis_->applyNiceNumbers();
    // Spins are whole: over a short range, one tick a spin, not "0 0 0 0 1".
    const int spinsShown = int(spinsAxis_->max() - spinsAxis_->min());
    if (spinsShown < kSpinTicks - 1)
        spinsAxis_->setTickCount(std::max(2, spinsShown + 1));
}

void HistoryWindow::showFigures(const HistoryView &view)
{
    const HistoryReport &r = view.report;
    QStringList wins;
    for (const BestWin &win : r.bestWins) {
        const QString when =
            QLocale().toString(QDateTime::fromMSecsSinceEpoch(win.timeMs), QLocale::ShortFormat);
        //: One of the best wins: %1 credits won with %n coins bet, on the date and time %2.
        wins << countedText("HistoryWindow",
                            QT_TRANSLATE_N_NOOP("HistoryWindow", "%1 credits on %Ln coin(s), %2"), win.coins)
                    .arg(grouped(win.won), when);
    }
    bestWins_->setText(wins.isEmpty() ? tr("No wins yet.") : wins.join(u'\n'));
    const long long run = r.longestLosingRun;
    //: After "Longest losing run:"; %n spins in a row that won nothing.
    losingRun_->setText(
        countedText("HistoryWindow", QT_TRANSLATE_N_NOOP("HistoryWindow", "%Ln spin(s)"), run));
    const auto totals = [](long long spins, std::int64_t ms) {
        //: After "Today:" or "In all:"; %n spins played in the time %1 ("1 h 05 min").
        return countedText("HistoryWindow", QT_TRANSLATE_N_NOOP("HistoryWindow", "%Ln spin(s) in %1"), spins)
            .arg(playTimeText(ms));
    };
    today_->setText(totals(r.spinsToday, r.playedTodayMs));
    all_->setText(totals(r.spinsAll, r.playedAllMs));
    // The game in progress, never named by the player, goes by its file section's name.
    const bool unnamed = view.gameName.empty() || view.gameName == kCurrentGameSection;
    setWindowTitle(unnamed
                       ? tr("Play History")
                       //: The window's title; %1 is the name of the saved game shown.
                       : plainWindowTitle(tr("Play History: %1").arg(QString::fromStdString(view.gameName))));
}

void HistoryWindow::showFairness(const HistoryView &view)
{
    if (!view.fairness) {
        returns_->setText(tr("Play a few spins to see how your results compare with the machine."));
        verdict_->clear();
        return;
    }
    const FairnessLines &f = *view.fairness;
    //: %1 to %5 are percentages, each with its sign ("96.3 %").
    returns_->setText(tr("You were paid back %1 of your bets (wins made by nudges left out). "
                         "This machine pays back exactly %2 without nudges, and about %3 "
                         "with nudges used well. At your stakes, 95 in 100 players after "
                         "this many spins see between %4 and %5.")
                          .arg(percent(f.seenPercent), percent(f.exactPercent), percent(f.withNudgesPercent),
                               percent(f.bandLowPercent), percent(f.bandHighPercent)));
    verdict_->setText(verdictText(f));
}

} // namespace varnholt
