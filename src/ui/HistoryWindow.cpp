#include "ui/HistoryWindow.h"

#include "platform/PlainText.h"
#include "platform/Plurals.h"
#include "records/SavedGames.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace varnholt {

namespace {

const QColor kBalanceGold(176, 126, 18);
const QColor kBorrowRed(190, 40, 40);
const QColor kPayBackGreen(30, 140, 60);
const QColor kVaultBlue(40, 90, 190);
const QColor kGameGrey(70, 70, 70);

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

// In one call when anything changed: the chart then lays its line out once, where appending
// points one by one lays it out again for each.
void setPoints(QXYSeries *series, const QList<QPointF> &points)
{
    if (series->points() != points)
        series->replace(points);
}

// A one-line figure that changes on every spin keeps a fixed size, widened with room to spare when
// its text outgrows it: a label of fixed size does not ask the whole window to lay itself out again.
void setFigure(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    const QMargins margins = label->contentsMargins();
    const int needed =
        label->fontMetrics().horizontalAdvance(text) + margins.left() + margins.right() + 2 * label->margin();
    if (label->minimumWidth() == label->maximumWidth() && needed <= label->minimumWidth())
        return;
    constexpr int kRoom = 40;
    label->setFixedSize((needed / kRoom + 1) * kRoom, label->sizeHint().height());
}

// In the window from the start, so the Tab order can name the figures inside.
QGroupBox *group(QWidget *window, const QString &title, QLayout *content)
{
    auto *box = new QGroupBox(title, window);
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
    figures->addWidget(group(this, tr("Best wins"), winsLayout), 1);
    //: A group's title (noun): figures of the time and spins played.
    figures->addWidget(group(this, tr("Play"), play), 1);

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
    QGroupBox *fairnessBox = group(this, tr("Is it fair?"), fairness);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    export_ = buttons->addButton(tr("&Export…"), QDialogButtonBox::ActionRole);
    clear_ = buttons->addButton(tr("C&lear…"), QDialogButtonBox::ActionRole);
    connect(export_, &QPushButton::clicked, this, &HistoryWindow::exportAsked);
    connect(clear_, &QPushButton::clicked, this, &HistoryWindow::clearAsked);

    scope_ = new QComboBox(this);
    scope_->addItem(tr("This game"), int(HistoryScope::ThisGame));
    scope_->addItem(tr("All games"), int(HistoryScope::AllGames));
    connect(scope_, &QComboBox::activated, this, [this](int index) {
        if (actions.showScope)
            actions.showScope(HistoryScope(scope_->itemData(index).toInt()));
    });
    auto *scopeRow = new QHBoxLayout;
    auto *scopeLabel = new QLabel(tr("&Show:"), this);
    scopeLabel->setBuddy(scope_);
    scopeRow->addWidget(scopeLabel);
    scopeRow->addWidget(scope_);
    scopeRow->addStretch(1);
    loading_ = makePlainLabel(this);
    //: Shown while the play history is being read; the game plays on meanwhile.
    loading_->setText(tr("Loading the history…"));
    loading_->hide();
    scopeRow->addWidget(loading_);

    // Screen readers reach every figure with Tab, in reading order, each with its caption or
    // the title of its group.
    chartView_->setFocusPolicy(Qt::TabFocus);
    //: The balance chart's name for screen readers.
    chartView_->setAccessibleName(tr("Balance chart"));
    for (QLabel *figure : {bestWins_, losingRun_, today_, all_, returns_, verdict_})
        figure->setFocusPolicy(Qt::TabFocus);
    QWidget *previous = scope_;
    for (QWidget *next : std::initializer_list<QWidget *>{chartView_, bestWins_, losingRun_, today_, all_,
                                                          returns_, verdict_, export_, clear_}) {
        setTabOrder(previous, next);
        previous = next;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(scopeRow);
    layout->addWidget(chartView_, 1);
    layout->addLayout(figures);
    layout->addWidget(fairnessBox);
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
    borrows_ = markerSeries(tr("Borrowed"), kBorrowRed, QScatterSeries::MarkerShapeTriangle);
    paybacks_ = markerSeries(tr("Paid back"), kPayBackGreen, QScatterSeries::MarkerShapeRotatedRectangle);
    //: The chart's marks for visits to the bonus vault.
    vaults_ = markerSeries(tr("Vault"), kVaultBlue, QScatterSeries::MarkerShapeCircle);
    games_ = markerSeries(tr("Game began"), kGameGrey, QScatterSeries::MarkerShapeRectangle);

    chart_ = new QChart;
    // The line last, so the legend reads from the marks to it and its swatch sits under the line.
    chart_->addSeries(games_);
    chart_->addSeries(borrows_);
    chart_->addSeries(paybacks_);
    chart_->addSeries(vaults_);
    chart_->addSeries(balance_);
    spinsAxis_ = new QValueAxis;
    //: The chart's horizontal axis: the spins played, counted.
    spinsAxis_->setTitleText(tr("Spins"));
    spinsAxis_->setLabelFormat(QStringLiteral("%d"));
    balanceAxis_ = new QValueAxis;
    //: The chart's vertical axis: the player's balance in credits.
    balanceAxis_->setTitleText(tr("Credits"));
    balanceAxis_->setLabelFormat(QStringLiteral("%d"));
    // Whole credits on each tick before the first spin, not Qt's 0..1 read as "0 0 0 0 1".
    balanceAxis_->setRange(-10, 10);
    balanceAxis_->setTickCount(5);
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

void HistoryWindow::showLoading()
{
    loading_->show();
    export_->setEnabled(false);
    clear_->setEnabled(false);
    // What is shown meanwhile is not the history: greyed until the figures come.
    chartView_->setEnabled(false);
    for (QGroupBox *box : findChildren<QGroupBox *>())
        box->setEnabled(false);
}

bool HistoryWindow::loading() const { return !loading_->isHidden(); }

void HistoryWindow::showHistory(const HistoryView &view)
{
    if (!loading_->isHidden()) {
        loading_->hide();
        chartView_->setEnabled(true);
        for (QGroupBox *box : findChildren<QGroupBox *>())
            box->setEnabled(true);
    }
    scope_->setCurrentIndex(scope_->findData(int(view.scope)));
    const bool any = !view.report.balance.empty() || view.report.spinsAll > 0;
    export_->setEnabled(any);
    clear_->setEnabled(any);
    showChart(view);
    showFigures(view);
    showFairness(view);
}

void HistoryWindow::showChart(const HistoryView &view)
{
    QList<QPointF> points, borrowed, paidBack, vault, games;
    points.reserve(qsizetype(view.report.balance.size()));
    long long low = 0, high = 0, lastSpin = 1;
    for (const BalancePoint &p : view.report.balance) {
        const QPointF at(double(p.spin), double(p.balance));
        points.append(at);
        if (p.borrowed)
            borrowed.append(at);
        if (p.paidBack)
            paidBack.append(at);
        if (p.vaultOpened)
            vault.append(at);
        if (p.gameStarted)
            games.append(at);
        low = std::min(low, p.balance);
        high = std::max(high, p.balance);
        lastSpin = std::max(lastSpin, p.spin);
    }
    setPoints(balance_, points);
    describeChart(view.report.balance);
    setPoints(borrows_, borrowed);
    setPoints(paybacks_, paidBack);
    setPoints(vaults_, vault);
    setPoints(games_, games);

    // The axes change only when the figures outgrow them.
    const double pad = std::max<double>(10, double(high - low) * 0.08);
    constexpr int kSpinTicks = 5;
    if (double(lastSpin) > spinsAxis_->max() || double(lastSpin) < spinsAxis_->max() / 2) {
        spinsAxis_->setRange(0, double(lastSpin));
        spinsAxis_->setTickCount(kSpinTicks);
        spinsAxis_->applyNiceNumbers();
    }
    // Spins are whole: over a short range, one tick a spin, not "0 0 0 0 1".
    const int spinsShown = int(spinsAxis_->max() - spinsAxis_->min());
    if (spinsShown < kSpinTicks - 1)
        spinsAxis_->setTickCount(std::max(2, spinsShown + 1));
    // A little room above and below, and the zero line always in view.
    if (double(low) < balanceAxis_->min() || double(high) > balanceAxis_->max() ||
        double(high - low) + 2 * pad < (balanceAxis_->max() - balanceAxis_->min()) / 2) {
        balanceAxis_->setRange(double(low) - pad, double(high) + pad);
        balanceAxis_->applyNiceNumbers();
    }
}

void HistoryWindow::describeChart(const std::vector<BalancePoint> &balance)
{
    if (balance.empty()) {
        //: What a screen reader says of the balance chart before any spin.
        chartView_->setAccessibleDescription(tr("No spins yet."));
        return;
    }
    const auto [lowest, highest] =
        std::minmax_element(balance.begin(), balance.end(), [](const BalancePoint &a, const BalancePoint &b) {
            return a.balance < b.balance;
        });
    const QLocale locale;
    //: What a screen reader says of the balance chart: %Ln spins shown, then the balance (credits
    //: minus borrowed) at the first and the last of them, its lowest and its highest.
    chartView_->setAccessibleDescription(
        countedText("HistoryWindow",
                    QT_TRANSLATE_N_NOOP("HistoryWindow",
                                        "The balance over %Ln spin(s): %1 at the start, %2 now, lowest %3, "
                                        "highest %4."),
                    balance.back().spin - balance.front().spin + 1)
            .arg(locale.toString(balance.front().balance), locale.toString(balance.back().balance),
                 locale.toString(lowest->balance), locale.toString(highest->balance)));
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
    // A screen reader leaves a label of several lines unsaid: it hears them as one.
    bestWins_->setAccessibleName(wins.isEmpty() ? tr("No wins yet.") : wins.join(QStringLiteral("; ")));
    const long long run = r.longestLosingRun;
    //: After "Longest losing run:"; %n spins in a row that won nothing.
    setFigure(losingRun_,
              countedText("HistoryWindow", QT_TRANSLATE_N_NOOP("HistoryWindow", "%Ln spin(s)"), run));
    const auto totals = [](long long spins, std::int64_t ms) {
        //: After "Today:" or "In all:"; %n spins played in the time %1 ("1 h 05 min").
        return countedText("HistoryWindow", QT_TRANSLATE_N_NOOP("HistoryWindow", "%Ln spin(s) in %1"), spins)
            .arg(playTimeText(ms));
    };
    setFigure(today_, totals(r.spinsToday, r.playedTodayMs));
    setFigure(all_, totals(r.spinsAll, r.playedAllMs));
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
    //: %1 the player's return; %2 the machine's exact return. Percentages with their sign.
    QString returns = tr("You were paid back %1 of your bets (wins made by nudges left out). "
                         "This machine pays back exactly %2 without nudges.")
                          .arg(percent(f.seenPercent), percent(f.exactPercent));
    if (f.spinsToTell == 0)
        //: %1 and %2 percentages: the range of returns 95 in 100 players see.
        returns += QLatin1Char(' ') + tr("At your stakes, 95 in 100 players after this many spins "
                                         "see between %1 and %2.")
                                          .arg(percent(f.bandLowPercent), percent(f.bandHighPercent));
    //: An average over very many spins, not what this player will get: never word it as a promise.
    returns += QLatin1Char(' ') + tr("A player who nudges whenever a nudge can win is paid back about %1 "
                                     "over a very long run; that is an average, not a promise.")
                                      .arg(percent(f.withNudgesPercent));
    returns_->setText(returns);
    if (f.spinsToTell > 0)
        //: %n an estimate of the spins still needed before the comparison means anything.
        verdict_->setText(tr("Too few spins to tell yet: about %n more.", nullptr, int(f.spinsToTell)));
    else
        verdict_->setText(verdictText(f));
}

QString HistoryWindow::exportTo(const QString &path)
{
    const std::string csv = actions.csv ? actions.csv() : std::string();
    if (csv.empty())
        return tr("the history is empty or cannot be read");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(csv.data(), qint64(csv.size()));
    if (!file.commit())
        return file.errorString();
    return {};
}

void HistoryWindow::exportAsked()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = tr("play-history") + QStringLiteral(".csv");
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Play History"), folder + u'/' + name,
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const QString problem = exportTo(path); !problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        //: %1 the file's path, %2 the system's reason.
                        tr("The history could not be written to %1: %2.").arg(path, problem), QMessageBox::Ok,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

void HistoryWindow::clearAsked()
{
    const auto ask = [](QWidget *parent) {
        QMessageBox box(QMessageBox::Question, parent->windowTitle(),
                        tr("Clear the play history? Every spin, borrow, pay-back and game it holds is "
                           "removed for good. Your saved games stay as they are."),
                        QMessageBox::Yes | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Yes;
    };
    if ((confirmClear ? confirmClear(this) : ask(this)) && actions.clear)
        actions.clear();
}

} // namespace varnholt
