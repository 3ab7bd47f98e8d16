#include "ui/Borrow.h"

#include "core/Borrowing.h"
#include "platform/CanvasWidget.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/Plurals.h"
#include "presentation/FaceFonts.h"
#include "ui/DialogControls.h"
#include "ui/DialogFrame.h"
#include "ui/HelpContext.h"
#include "ui/LocaleFormat.h"
#include "ui/SpokenNotice.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace varnholt {

namespace {

constexpr const char *kHelpText = QT_TRANSLATE_NOOP(
    "TBorrowC", "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
                "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
                "To switch between \"borrow\" and \"pay back\" select the mode.");

// The chip pictures by button tag, and the teal they stand on, which the buttons leave out.
constexpr std::array<const char *, 4> kChipPictures{"chip1.gif", "chip2.gif", "chip3.gif", "chip4.gif"};
constexpr std::array<QPushButton * TBorrowC::*, 4> kChipButtons{&TBorrowC::BitBtn1, &TBorrowC::BitBtn2,
                                                                &TBorrowC::BitBtn3, &TBorrowC::BitBtn4};
constexpr QRgb kSeeThroughTeal = qRgb(0, 128, 128);
constexpr QSize kChipSize(66, 42);
constexpr int kFirstChipLeft = 89;
constexpr int kChipPitch = 112;
constexpr int kChipTop = 104;
constexpr QSize kChipButtonSize(80, 57);
constexpr int kCaptionPoints = 10;
constexpr int kDesignPixelsPerInch = 96; // the dialog is laid out in unscaled pixels

QIcon chipIcon(const char *name)
{
    QImage chip = loadBuiltinPicture(name).value_or(QImage());
    if (chip.isNull()) {
        chip = QImage(kChipSize, QImage::Format_RGB32);
        chip.fill(kSeeThroughTeal);
    }
    chip = chip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < chip.height(); ++y)
        for (int x = 0; x < chip.width(); ++x)
            if ((chip.pixel(x, y) & RGB_MASK) == (kSeeThroughTeal & RGB_MASK))
                chip.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QIcon(QPixmap::fromImage(chip));
}

// The money words of the rules, worded here so that translators can reorder them.
QString refusalText(MoneyRefusal refusal, std::int32_t amount)
{
    switch (refusal) {
    case MoneyRefusal::AmountNotPositive:
        return TBorrowC::tr("Choose an amount of at least 1 credit.");
    case MoneyRefusal::BorrowLimit:
        return TBorrowC::tr("You cannot borrow that much: the meters cannot go past %1 credits.")
            .arg(kCounterLimit);
    case MoneyRefusal::NotEnoughCredits: {
        // Two decimals, seven wide, as the message always was; the decimal sign follows the locale.
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return TBorrowC::tr("You do not have %1 credits!")
            .arg(locale.toString(double(amount), 'f', 2).rightJustified(7));
    }
    case MoneyRefusal::PayBackMoreThanBorrowed:
        return TBorrowC::tr("You cannot pay back more credits than you have borrowed!");
    case MoneyRefusal::None:
        break;
    }
    return {};
}

// What a screen reader says of a move: the meters are drawn pictures it cannot read.
QString movedText(bool borrowed, std::int32_t amount, std::int32_t credits, std::int32_t debt)
{
    // %1, not %Ln: the amount is written as the meters write numbers; the count picks the form.
    //: Said by screen readers after a borrow: %1 the amount, %2 the credits now, %3 what is owed now.
    const char *const borrowText =
        QT_TRANSLATE_N_NOOP("TBorrowC", "Borrowed %1 credit(s). Credits: %2. Borrowed: %3.");
    //: Said by screen readers after a pay-back: %1 the amount, %2 the credits now, %3 what is still owed.
    const char *const payBackText =
        QT_TRANSLATE_N_NOOP("TBorrowC", "Paid back %1 credit(s). Credits: %2. Borrowed: %3.");
    return countedText("TBorrowC", borrowed ? borrowText : payBackText, amount)
        .arg(shownInteger(amount), shownInteger(credits), shownInteger(debt));
}

} // namespace

TBorrowC::TBorrowC(GameState &state, const DigitStrips &strips, MessageSink &messages, QString messageCaption,
                   QWidget *parent)
    : QDialog(parent), state_(state), strips_(strips), messages_(messages),
      messageCaption_(std::move(messageCaption))
{
    setUpFixedWindow(*this, QSize(kClientWidth, kClientHeight),
                     tr("Use this form to borrow or pay back credits"));
    setFont(windowFont(13, false));
    setHelpContext(*this, kHelpMachine);

    // The surface lies under every control and takes no focus, so Tab runs through the controls.
    surface_ = new CanvasWidget(this);
    surface_->setFocusPolicy(Qt::NoFocus);
    surface_->setGeometry(0, 0, kClientWidth, kClientHeight);
    surface_->resetCanvas(QSize(kClientWidth, kClientHeight), strips_.red.devicePixelRatio());
    makeControls();
    FormPaint();
}

void TBorrowC::makeControls()
{
    for (int tag = 0; tag < int(kChipButtons.size()); ++tag) {
        auto *button = new QPushButton(this);
        button->setIcon(chipIcon(kChipPictures[std::size_t(tag)]));
        button->setIconSize(kChipSize);
        button->setGeometry(QRect(QPoint(kFirstChipLeft + tag * kChipPitch, kChipTop), kChipButtonSize));
        connect(button, &QPushButton::clicked, this, [this, tag] { BitBtn1Click(tag); });
        this->*kChipButtons[std::size_t(tag)] = button;
    }
    Label1 = makeLabel(*this, tr("Mode:"), QRect(56, 192, 54, 24), windowFont(19, false), Qt::red);
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height()); // a longer word
    RadioButton1 = new QRadioButton(tr("Borrow Credits"), this);
    RadioButton1->setGeometry(147, 192, 190, 33);
    RadioButton2 = new QRadioButton(tr("Pay Back Credits"), this);
    RadioButton2->setGeometry(355, 192, 190, 33);
    for (QRadioButton *mode : {RadioButton1, RadioButton2})
        mode->setFont(windowFont(16, false));
    RadioButton1->setChecked(true);
    nameChips();
    notice_ = new SpokenNotice(this);
    connect(RadioButton1, &QRadioButton::toggled, this, [this] { nameChips(); });

    OKBtn = makeOkButton(*this, tr("&OK"), QRect(442, 246, 127, 46));
    BitBtn7 = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Help"), this);
    BitBtn7->setGeometry(10, 246, 127, 46);
    connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });

    for (QWidget *control : std::initializer_list<QWidget *>{BitBtn1, BitBtn2, BitBtn3, BitBtn4, RadioButton1,
                                                             RadioButton2, OKBtn, BitBtn7})
        setHelpContext(*control, kHelpBorrowControls);
}

void TBorrowC::nameChips()
{
    // The chips show only their pictures: screen readers hear what a press does in this mode.
    const bool borrowing = RadioButton1->isChecked();
    for (int tag = 0; tag < int(kChipButtons.size()); ++tag) {
        const std::int32_t amount = kBorrowAmounts[std::size_t(tag)];
        // %1, not %Ln: the amount is written as the meters write numbers.
        //: A chip's name for a screen reader; %1 is the chip's amount, which picks the form.
        const char *const borrowText = QT_TRANSLATE_N_NOOP("TBorrowC", "Borrow %1 credit(s)");
        //: A chip's name for a screen reader; %1 is the chip's amount, which picks the form.
        const char *const payBackText = QT_TRANSLATE_N_NOOP("TBorrowC", "Pay back %1 credit(s)");
        const char *const text = borrowing ? borrowText : payBackText;
        const QString name = countedText("TBorrowC", text, amount).arg(shownInteger(amount));
        (this->*kChipButtons[std::size_t(tag)])->setAccessibleName(name);
    }
}

void TBorrowC::BitBtn1Click(int Tag)
{
    if (Tag < 0 || Tag >= int(kBorrowAmounts.size()))
        return;
    const std::int32_t amount = kBorrowAmounts[std::size_t(Tag)];
    const MoneyMove move = RadioButton1->isChecked() ? borrow(state_, amount) : payBack(state_, amount);
    if (move.done) {
        FormPaint();
        notice_->say(movedText(RadioButton1->isChecked(), amount, state_.Credits, state_.Borrowed));
    } else
        messages_.show(this, messageCaption_, refusalText(move.refusal, amount), MessageIcon::Information);
}

void TBorrowC::BitBtn7Click()
{
    messages_.show(this, messageCaption_, tr(kHelpText), MessageIcon::Information);
}

void TBorrowC::FormPaint()
{
    Canvas &canvas = surface_->canvas();
    const QPalette &colours = palette();
    canvas.fill(0, 0, kClientWidth, kClientHeight, colours.color(QPalette::Button));
    canvas.setFont(windowFont(pointsToPixels(kCaptionPoints, kDesignPixelsPerInch), true));
    const QColor ink = colours.color(QPalette::ButtonText);

    // "Credits:" keeps its distance from the outer edge of the window, frame included.
    const int outerWidth = std::max(frameGeometry().width(), width());
    const QString credits = tr("Credits:");
    canvas.textOut(outerWidth - kCreditsCaptionRightInset - canvas.textWidth(credits), kCaptionTop, credits,
                   ink);
    canvas.textOut(kBorrowedLeft, kCaptionTop, tr("Borrowed:"), ink);

    DrawDigitMeter(canvas, strips_, state_.Credits, false, true, width() - kCreditsRightInset, kMeterTop);
    DrawDigitMeter(canvas, strips_, state_.Borrowed, true, false, kBorrowedLeft, kMeterTop);
}

void TBorrowC::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormPaint();
}

void TBorrowC::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    if (isVisible())
        FormPaint();
}

} // namespace varnholt
