#pragma once
// The statistics screen: a snapshot of the game in progress taken when the window is made,
// with what the machine has paid out split into normal and bonus payoffs.

#include <QCoreApplication>
#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace varnholt {

struct SavedFields;

class TStatsForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TStatsForm)

public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 207;

    // groupSeparator: between groups of three digits; the user's locale's when not given.
    TStatsForm(const SavedFields &game, QWidget *parent = nullptr);
    TStatsForm(const SavedFields &game, const std::string &groupSeparator, QWidget *parent = nullptr);

    // Caption labels.
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label26 = nullptr;
    QLabel *Label4 = nullptr, *Label21 = nullptr, *Label6 = nullptr, *Label23 = nullptr;
    // Figure labels, right-aligned at their right edges.
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label27 = nullptr;
    QLabel *Label14 = nullptr, *Label22 = nullptr, *Label16 = nullptr, *Label25 = nullptr;
    QPushButton *BitBtn1 = nullptr;

private:
    void FormCreate(const SavedFields &game, const std::string &groupSeparator);
};

} // namespace varnholt
