#include "ui/Stats.h"

#include "core/GameState.h"
#include "core/Statistics.h"
#include "presentation/FaceFonts.h"
#include "ui/DialogControls.h"
#include "ui/DialogFrame.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <array>

namespace varnholt {

namespace {

constexpr int kFontPixels = 13;
constexpr int kLineHeight = 18;
constexpr int kFigureWidth = 170; // room for the widest figure left of its right edge

// Which figure a line shows.
enum class Figure { Spins, Credits, Borrowed, TotalBets, Payoffs, Normal, Bonus, Percentage };

struct StatsLine {
    QLabel *TStatsForm::*caption;
    const char *text;
    int left, top;
    bool boldCaption;
    QLabel *TStatsForm::*figure;
    Figure shows;
    int right;
    bool boldFigure;
};

constexpr std::array<StatsLine, 8> kLines{{
    {&TStatsForm::Label1, QT_TRANSLATE_NOOP("TStatsForm", "Spins:"), 12, 14, false, &TStatsForm::Label11,
     Figure::Spins, 281, true},
    {&TStatsForm::Label2, QT_TRANSLATE_NOOP("TStatsForm", "Credits:"), 12, 70, false, &TStatsForm::Label12,
     Figure::Credits, 281, true},
    {&TStatsForm::Label3, QT_TRANSLATE_NOOP("TStatsForm", "Borrowed:"), 12, 126, false, &TStatsForm::Label13,
     Figure::Borrowed, 281, true},
    {&TStatsForm::Label26, QT_TRANSLATE_NOOP("TStatsForm", "Total Bets:"), 340, 14, false,
     &TStatsForm::Label27, Figure::TotalBets, 609, true},
    {&TStatsForm::Label4, QT_TRANSLATE_NOOP("TStatsForm", "Payoffs:"), 340, 46, false, &TStatsForm::Label14,
     Figure::Payoffs, 609, true},
    {&TStatsForm::Label21, QT_TRANSLATE_NOOP("TStatsForm", "Normal:"), 364, 70, false, &TStatsForm::Label22,
     Figure::Normal, 585, false},
    {&TStatsForm::Label6, QT_TRANSLATE_NOOP("TStatsForm", "Bonus:"), 364, 94, false, &TStatsForm::Label16,
     Figure::Bonus, 585, false},
    {&TStatsForm::Label23, QT_TRANSLATE_NOOP("TStatsForm", "Overall Payoff Percentage:"), 340, 126, true,
     &TStatsForm::Label25, Figure::Percentage, 617, true},
}};

std::string figureText(Figure shows, const SavedFields &game, const GameStatistics &figures,
                       const std::string &separator)
{
    switch (shows) {
    case Figure::Spins:
        return formatGrouped(game.Spins, separator);
    case Figure::Credits:
        return formatGrouped(game.Credits, separator);
    case Figure::Borrowed:
        return formatGrouped(game.Borrowed, separator);
    case Figure::TotalBets:
        return formatGrouped(game.TotalBets, separator);
    case Figure::Payoffs:
        return formatGrouped(figures.payoffs, separator);
    case Figure::Normal:
        return formatGrouped(figures.normalPayoffs, separator);
    case Figure::Bonus:
        return formatGrouped(game.BonusWon, separator);
    case Figure::Percentage:
        return formatPercentage(figures.payoffPercentage);
    }
    return {};
}

} // namespace

TStatsForm::TStatsForm(const SavedFields &game, QWidget *parent)
    : TStatsForm(game, QLocale().groupSeparator().toStdString(), parent)
{}

TStatsForm::TStatsForm(const SavedFields &game, const std::string &groupSeparator, QWidget *parent)
    : QDialog(parent)
{
    setUpFixedWindow(*this, QSize(kClientWidth, kClientHeight), tr("Your Game Statistics"));
    setFont(windowFont(kFontPixels, false));
    FormCreate(game, groupSeparator);
}

void TStatsForm::FormCreate(const SavedFields &game, const std::string &groupSeparator)
{
    const GameStatistics figures = gameStatistics(game);
    for (const StatsLine &line : kLines) {
        const QString caption = tr(line.text);
        QLabel *captionLabel = makeLabel(*this, caption, QRect(line.left, line.top, 0, kLineHeight),
                                         windowFont(kFontPixels, line.boldCaption));
        captionLabel->adjustSize();
        this->*line.caption = captionLabel;
        const QString figure = QString::fromStdString(figureText(line.shows, game, figures, groupSeparator));
        const QColor ink = line.shows == Figure::Percentage ? QColor(Qt::red) : QColor(Qt::black);
        this->*line.figure =
            makeLabel(*this, figure, QRect(line.right - kFigureWidth, line.top, kFigureWidth, kLineHeight),
                      windowFont(kFontPixels, line.boldFigure), ink, Qt::AlignRight | Qt::AlignTop);
        // Screen readers reach each figure with Tab and hear its caption with it.
        QLabel *figureLabel = this->*line.figure;
        figureLabel->setFocusPolicy(Qt::TabFocus);
        captionLabel->setBuddy(figureLabel);
    }
    BitBtn1 = makeOkButton(*this, tr("OK"), QRect(536, 168, 89, 33));
    // Tab goes down the left column, then down the right one, then to OK.
    QWidget *previous = nullptr;
    for (const StatsLine &line : kLines) {
        if (previous)
            setTabOrder(previous, this->*line.figure);
        previous = this->*line.figure;
    }
    setTabOrder(previous, BitBtn1);
    (this->*kLines.front().figure)->setFocus();
}

} // namespace varnholt
