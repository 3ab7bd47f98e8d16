#pragma once
// The borrowing dialog: four chip buttons move credits between the player and the bank at the
// click, in borrow or pay-back mode, and two digit meters show the balance and the debt.

#include "presentation/DigitMeter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QRadioButton;

namespace varnholt {

struct GameState;
class CanvasWidget;
class MessageSink;
class SpokenNotice;

class TBorrowC : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TBorrowC)

public:
    static constexpr int kClientWidth = 582;
    static constexpr int kClientHeight = 300;
    static constexpr int kCaptionTop = 20;
    static constexpr int kMeterTop = 40;
    static constexpr int kBorrowedLeft = 20;
    static constexpr int kCreditsRightInset = 30;        // from the client area's right edge
    static constexpr int kCreditsCaptionRightInset = 35; // from the window's outer right edge

    // strips: the main window's glyph strips. messageCaption: the caption of refusals and help.
    TBorrowC(GameState &state, const DigitStrips &strips, MessageSink &messages, QString messageCaption,
             QWidget *parent = nullptr);

    // Any chip button; Tag 0..3 stands for 1000, 100, 10 and 1 credits.
    void BitBtn1Click(int Tag);
    void BitBtn7Click();
    // Captions and meters onto the dialog's surface.
    void FormPaint();

    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QLabel *Label1 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // borrow
    QRadioButton *RadioButton2 = nullptr; // pay back
    QPushButton *OKBtn = nullptr;
    QPushButton *BitBtn7 = nullptr;

protected:
    // Tells screen readers each move with the balance and the debt after it; the window itself
    // uses the member, the tests read it through a subclass.
    SpokenNotice &notice() const { return *notice_; }

    // The outer width the caption depends on is known once the window system framed the window.
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void makeControls();
    void nameChips();

    GameState &state_;
    const DigitStrips &strips_;
    MessageSink &messages_;
    QString messageCaption_;
    CanvasWidget *surface_ = nullptr;
    SpokenNotice *notice_ = nullptr;
};

} // namespace varnholt
