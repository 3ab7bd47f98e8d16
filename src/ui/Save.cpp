#include "ui/Save.h"

#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/PlainText.h"
#include "platform/Plurals.h"
#include "presentation/FaceFonts.h"
#include "records/SlotSession.h"
#include "ui/CoreTexts.h"
#include "ui/DialogFrame.h"
#include "ui/HelpContext.h"
#include "ui/LocaleFormat.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace varnholt {

namespace {

constexpr int kFontPixels = 11;
constexpr QRect kBevelPlace{0, 8, 617, 297};
constexpr QRect kCancelPlace{508, 316, 97, 37};
constexpr QRect kHelpPlace{8, 316, 97, 37};

// Slots 1-4 run down the left column, 5-8 down the right.
constexpr int kPanelLefts[] = {16, 312};
constexpr int kPanelTops[] = {16, 88, 160, 232};
constexpr QSize kPanelSize{289, 65};

// Places inside a slot panel.
constexpr QRect kNamePlace{8, 8, 233, 20};
constexpr QRect kGamePlace{8, 28, 129, 13};
constexpr QRect kDatePlace{168, 28, 57, 13};
// The lower row is two pixels taller: translated words there have descenders ("geliehen").
constexpr QRect kCreditsPlace{8, 48, 105, 15};
constexpr QRect kBorrowedPlace{112, 48, 113, 15};
constexpr QRect kSlotButtonPlace{232, 16, 49, 37};

constexpr char kSaveCaption[] = QT_TRANSLATE_NOOP("TLoadSave", "Save a Game -- Select Game Slot");
constexpr char kOpenCaption[] = QT_TRANSLATE_NOOP("TLoadSave", "Open a Game -- Select Game Slot");
constexpr char kNamePrompt[] = QT_TRANSLATE_NOOP("TLoadSave", "Name for this saved game?");
constexpr char kTagProperty[] = "tag";

QLabel *addLabel(QWidget &parent, const QString &componentName, QRect place, Qt::Alignment alignment)
{
    QLabel *label = makePlainLabel(&parent); // names and dates come from the saved-game file
    label->setObjectName(componentName);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

// The green tick of the slot buttons; the style's own OK glyph is not a tick everywhere.
QIcon tickGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    return QIcon(pixmap);
}

QPushButton *addButton(QWidget &parent, const QString &caption, QRect place, const QIcon &glyph)
{
    auto *button = new QPushButton(glyph, caption, &parent);
    button->setGeometry(place);
    // Enter belongs to the name edits (each chooses its own slot), not to one default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TLoadSave::TLoadSave(GameState &state, const SavedGameFile &file, MessageSink &messages, InputBox &inputBox,
                     LoadSaveSetup setup, QWidget *parent)
    : QDialog(parent), state_(state), session_(file), messages_(messages), inputBox_(inputBox),
      setup_(std::move(setup))
{
    setUpFixedWindow(*this, QSize(kClientWidth, kClientHeight), tr(kSaveCaption));
    setFont(windowFont(kFontPixels, true));
    setHelpContext(*this, kHelpSavedGames);
    buildControls();
    FormCreate();
}

TLoadSave::~TLoadSave()
{
    // A dialog torn down without closing still gives the game in progress back.
    FormClose();
}

void TLoadSave::buildControls()
{
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(kBevelPlace);

    OKBtn = addSlotPanel(1, Panel1, Name1);
    BitBtn1 = addSlotPanel(2, Panel2, Name2);
    BitBtn2 = addSlotPanel(3, Panel3, Name3);
    BitBtn3 = addSlotPanel(4, Panel4, Name4);
    BitBtn4 = addSlotPanel(5, Panel5, Name5);
    BitBtn5 = addSlotPanel(6, Panel6, Name6);
    BitBtn6 = addSlotPanel(7, Panel7, Name7);
    BitBtn7 = addSlotPanel(8, Panel8, Name8);

    HelpBtn = addButton(*this, tr("&Help"), kHelpPlace, style()->standardIcon(QStyle::SP_DialogHelpButton));
    HelpBtn->setEnabled(static_cast<bool>(setup_.openHelp));
    connect(HelpBtn, &QPushButton::clicked, this, [this] { setup_.openHelp(helpContextOf(HelpBtn)); });
    CancelBtn =
        addButton(*this, tr("&Cancel"), kCancelPlace, style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrderThroughSlots();
}

QPushButton *TLoadSave::addSlotPanel(int k, QFrame *&panel, QLineEdit *&name)
{
    const int index = k - 1;
    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(k));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(QRect(QPoint(kPanelLefts[index / 4], kPanelTops[index % 4]), kPanelSize));
    panel->setFont(windowFont(kFontPixels, false));
    QPalette black = panel->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    black.setColor(QPalette::Text, Qt::black);
    black.setColor(QPalette::Base, black.color(QPalette::Button));
    panel->setPalette(black);

    name = new QLineEdit(panel);
    name->setObjectName(QStringLiteral("Name%1").arg(k));
    name->setFrame(false);
    name->setGeometry(kNamePlace);
    name->setAccessibleName(tr("Name of slot %1").arg(k));
    addLabel(*panel, QStringLiteral("Game%1").arg(k), kGamePlace, Qt::AlignLeft);
    QLabel *date = addLabel(*panel, QStringLiteral("date%1").arg(k), kDatePlace, Qt::AlignRight);
    addLabel(*panel, QStringLiteral("credits%1").arg(k), kCreditsPlace, Qt::AlignLeft);
    QLabel *borrowed = addLabel(*panel, QStringLiteral("borrowed%1").arg(k), kBorrowedPlace, Qt::AlignRight);

    //: The button that saves in or opens this slot; it has little room, beside the slot's name.
    QPushButton *button = addButton(*panel, tr("OK"), kSlotButtonPlace, tickGlyph());
    button->setFont(font());
    // A caption longer than the place ("Aceptar") widens the button leftwards; the name edit
    // narrows and the right-aligned date and borrowed figure move along, so nothing is cut.
    if (const int extra = buttonCaptionWidth(*button) - kSlotButtonPlace.width(); extra > 0) {
        button->setGeometry(kSlotButtonPlace.adjusted(-extra, 0, 0, 0));
        name->setGeometry(kNamePlace.adjusted(0, 0, -extra, 0));
        date->move(date->x() - extra, date->y());
        borrowed->move(borrowed->x() - extra, borrowed->y());
    }
    button->setProperty(kTagProperty, k);
    connect(button, &QPushButton::clicked, this, [this, button] { BitBtn7Click(button); });
    connect(name, &QLineEdit::returnPressed, button, &QPushButton::click);
    // A save takes the name as typed over; an open takes the slot's game as it was saved.
    connect(name, &QLineEdit::textEdited, this, [this, k](const QString &typed) {
        if (setup_.SlotDialogMode == 1)
            nameSlotButton(k, typed);
    });
    return button;
}

void TLoadSave::setTabOrderThroughSlots()
{
    QWidget *previous = nullptr;
    for (int index = 0; index < kNamedSlotCount; ++index) {
        QWidget *name = names()[static_cast<std::size_t>(index)];
        if (previous)
            setTabOrder(previous, name);
        setTabOrder(name, slotButtons()[static_cast<std::size_t>(index)]);
        previous = slotButtons()[static_cast<std::size_t>(index)];
    }
    setTabOrder(previous, HelpBtn);
    setTabOrder(HelpBtn, CancelBtn);
}

void TLoadSave::FormCreate()
{
    const SlotListing listing = session_.begin(state_);
    if (!listing.kept.ok()) {
        showError(listing.kept);
        return;
    }
    ready_ = true;
    setWindowTitle(tr(setup_.SlotDialogMode == 1 ? kSaveCaption : kOpenCaption));
    for (int k = 1; k <= kNamedSlotCount; ++k) {
        fillPanel(k, listing.named[static_cast<std::size_t>(k - 1)]);
        describeSlot(k, listing.saved[static_cast<std::size_t>(k - 1)]);
    }
    Name1->setFocus();
}

void TLoadSave::fillPanel(int k, const SavedFields &slot)
{
    names()[static_cast<std::size_t>(k - 1)]->setText(QString::fromStdString(slot.GameName));
    names()[static_cast<std::size_t>(k - 1)]->setCursorPosition(0);
    label(QStringLiteral("Game%1").arg(k))->setText(setup_.WindowTitle);
    label(QStringLiteral("date%1").arg(k))->setText(shownGameDate(slot.GameDate));
    // The count picks the language's form ("1 crédito"); the number is written as the meters write it.
    //: A saved game's credits; %1 is the number, which picks the form.
    const char *const credits = QT_TRANSLATE_N_NOOP("TLoadSave", "%1 Credits");
    //: A saved game's credits borrowed and not yet paid back; %1 is the number, which picks the form.
    const char *const borrowed = QT_TRANSLATE_N_NOOP("TLoadSave", "%1 Borrowed");
    label(QStringLiteral("credits%1").arg(k))
        ->setText(countedText("TLoadSave", credits, slot.Credits).arg(shownInteger(slot.Credits)));
    label(QStringLiteral("borrowed%1").arg(k))
        ->setText(countedText("TLoadSave", borrowed, slot.Borrowed).arg(shownInteger(slot.Borrowed)));
    nameSlotButton(k, QString::fromStdString(slot.GameName));
}

void TLoadSave::describeSlot(int k, bool saved)
{
    // The panel's labels lie beside the name: screen readers hear them with the name field and
    // the slot's button. A slot never saved into shows defaults, and is said to be empty.
    QString description;
    if (!saved) {
        //: Said by screen readers of a save slot nothing was ever saved into.
        description = tr("Empty");
    } else {
        QStringList parts;
        for (const QString &part : {QStringLiteral("Game%1"), QStringLiteral("date%1"),
                                    QStringLiteral("credits%1"), QStringLiteral("borrowed%1")})
            if (const QString shown = label(part.arg(k))->text(); !shown.isEmpty())
                parts << shown;
        description = parts.join(QStringLiteral(", "));
    }
    names()[static_cast<std::size_t>(k - 1)]->setAccessibleDescription(description);
    slotButtons()[static_cast<std::size_t>(k - 1)]->setAccessibleDescription(description);
}

void TLoadSave::nameSlotButton(int k, const QString &gameName)
{
    // Every slot button shows the same tick: screen readers hear what it does to which game.
    const QString what = setup_.SlotDialogMode == 1 ? tr("Save in slot %1, %2") : tr("Open slot %1, %2");
    slotButtons()[static_cast<std::size_t>(k - 1)]->setAccessibleName(what.arg(QString::number(k), gameName));
}

void TLoadSave::BitBtn7Click(QObject *Sender)
{
    const int tag = Sender ? Sender->property(kTagProperty).toInt() : 0;
    if (!ready_ || closed_ || tag < 1 || tag > kNamedSlotCount)
        return;
    const int slot = tag - 1;
    RecordResult result;
    if (setup_.SlotDialogMode == 1) {
        const QString edited = names()[static_cast<std::size_t>(slot)]->text();
        if (const std::optional<QString> name =
                inputBox_.InputQuery(this, tr(kNamePrompt), QString(), edited)) {
            result = session_.saveIntoSlot(state_, slot, name->toStdString());
            if (result.ok())
                //: Said by screen readers once a game is saved: %1 the slot's number, %2 the
                //: name the game was saved under.
                spokenOutcome_ = tr("Saved in slot %1, %2.").arg(QString::number(tag), *name);
        }
    } else {
        result = session_.openSlot(state_, slot);
        if (result.ok())
            //: Said by screen readers once a saved game is opened: %1 the slot's number, %2 the
            //: game's name, %3 its credits, %4 what it owes.
            spokenOutcome_ = tr("Opened slot %1, %2. Credits: %3. Borrowed: %4.")
                                 .arg(QString::number(tag), QString::fromStdString(state_.GameName),
                                      shownInteger(state_.Credits), shownInteger(state_.Borrowed));
    }
    if (!result.ok())
        showError(result);
    accept();
}

void TLoadSave::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TLoadSave::FormClose()
{
    if (!ready_ || closed_)
        return;
    closed_ = true;
    session_.end(state_);
}

void TLoadSave::showError(const RecordResult &failed)
{
    messages_.show(isVisible() ? this : parentWidget(), setup_.WindowTitle, recordErrorText(failed),
                   MessageIcon::Error);
}

std::array<QFrame *, kNamedSlotCount> TLoadSave::panels() const
{
    return {Panel1, Panel2, Panel3, Panel4, Panel5, Panel6, Panel7, Panel8};
}

std::array<QLineEdit *, kNamedSlotCount> TLoadSave::names() const
{
    return {Name1, Name2, Name3, Name4, Name5, Name6, Name7, Name8};
}

std::array<QPushButton *, kNamedSlotCount> TLoadSave::slotButtons() const
{
    return {OKBtn, BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7};
}

QLabel *TLoadSave::label(const QString &componentName) const { return findChild<QLabel *>(componentName); }

} // namespace varnholt
