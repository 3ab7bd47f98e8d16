#include "ui/Unit2.h"

#include "core/GameState.h"
#include "core/Input.h"
#include "platform/Canvas.h"
#include "platform/CanvasWidget.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/Sound.h"
#include "records/Settings.h"
#include "ui/CoreTexts.h"
#include "ui/LocaleFormat.h"
#include "ui/SpokenNotice.h"
#include "ui/VaultAccessible.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace varnholt {

namespace {

QImage pictureOrBlank(std::optional<QImage> picture, QSize designSize)
{
    if (picture && !picture->isNull())
        return *picture;
    QImage blank(designSize, QImage::Format_RGB32);
    blank.fill(Qt::black);
    return blank;
}

QRect chestPlace(int chest)
{
    const ChestPlacement &p = kChestPlacements[chest];
    return QRect(p.left, p.top, p.width, p.height);
}

// One of the chest's built-in pictures ("box3a.jpg": half open, "box3b.jpg": wide open).
QImage chestPicture(int chest, char step)
{
    const std::string name = "box" + std::to_string(chest + 1) + step + ".jpg";
    return pictureOrBlank(loadBuiltinPicture(name), chestPlace(chest).size());
}

std::string besideProgram(const std::string &dir, const std::string &name)
{
    if (dir.empty() || dir.back() == '/')
        return dir + name;
    return dir + '/' + name;
}

} // namespace

TTrickForm::TTrickForm(GameState &state, WavePlayer &sound, Clock &clock, MessageSink &messages,
                       TrickFormSetup setup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), state_(state), sound_(sound), clock_(clock),
      messages_(messages), setup_(std::move(setup))
{
    FormCreate();
}

TTrickForm::~TTrickForm() = default;

void TTrickForm::FormCreate()
{
    BonusPrize = 0;
    pick_ = BonusPick{};
    highlight_ = ChestHighlight{};

    setModal(true);
    installVaultAccessibility();
    // No frame shows it, but screen readers announce the window by its title.
    setWindowTitle(tr("The vault"));
    setAccessibleDescription(tr("Pick one of the five chests: keys 1 to 5, or Left and Right, then Enter"));
    notice_ = new SpokenNotice(this);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    resize(setup_.screen.width, setup_.screen.height);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    // On ordinary-density screens the game takes the whole screen, panels included.
    if (setup_.screen.pixelsPerInch < 100)
        setWindowState(windowState() | Qt::WindowFullScreen);

    const QSize pictureSize(kPictureWidth, kPictureHeight);
    auto room = loadReplacementPicture(setup_.ExeDir, "bonus1.jpg");
    if (!room)
        room = loadBuiltinPicture("bonusroom.jpg");
    const QImage roomPicture = pictureOrBlank(std::move(room), pictureSize);
    for (int k = 0; k < kChestCount; ++k)
        roomUnderChest_[k] = roomPicture.copy(chestPlace(k));

    Image3 = new CanvasWidget(this);
    Image3->setFixedSize(pictureSize);
    Image3->resetCanvas(pictureSize, setup_.screen.devicePixelRatio).copyAt(roomPicture, QPoint(0, 0));
    Image3->onMouseDown = [this](int x, int y) { Image3MouseDown(x, y); };
    centreImage3();

    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

QWidget *TTrickForm::chestRoom() const { return Image3; }

void TTrickForm::centreImage3()
{
    // Integer division truncates toward zero, so a screen smaller than the picture crops it evenly.
    Image3->move((width() - Image3->width()) / 2, (height() - Image3->height()) / 2);
}

void TTrickForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    centreImage3();
}

void TTrickForm::Timer2Timer()
{
    Timer2.setEnabled(false);
    playEffect("7.wav");
}

void TTrickForm::Image3MouseDown(int X, int Y)
{
    if (const std::optional<int> chest = pickChest(pick_, X, Y))
        openChest(*chest);
}

void TTrickForm::FormKeyDown(int Key)
{
    const int shown = highlight_.chest();
    const ChestKeyResult result = pressChestKey(pick_, highlight_, Key);
    if (result.highlightMoved) {
        if (shown >= 0)
            drawHighlight(shown, false);
        drawHighlight(highlight_.chest(), true);
        vaultHighlightMoved(*this, *highlight_.place);
    }
    if (result.picked)
        openChest(*result.picked);
}

void TTrickForm::keyPressEvent(QKeyEvent *event)
{
    // The game knows Enter by its character code, 13, whichever Enter key it was.
    const int key = event->key();
    const int code = key == Qt::Key_Return || key == Qt::Key_Enter ? kKeyEnter : key;
    if (isChestKey(code))
        FormKeyDown(code);
    else
        QDialog::keyPressEvent(event);
}

void TTrickForm::openChest(int chest)
{
    // The highlight goes with the pick.
    if (highlight_.place)
        drawHighlight(highlight_.chest(), false);
    highlight_.place.reset();

    // The prize is paid at the pick: nothing that ends the window later can lose or repeat it.
    const std::int32_t prize = setup_.BonusPrizes[chest];
    applyBonusPrize(state_, prize);
    BonusPrize = prizeCredits(prize);
    prizeText_ = QString::fromStdString(varnholt::prizeText(prize));
    pickedPrize_ = prize;

    playEffect("2.wav");
    const QPoint corner(kChestPlacements[chest].left, kChestPlacements[chest].top);
    // Both steps are loaded before the first shows, so the time between them stays as it was.
    const QImage wideOpen = chestPicture(chest, 'b');
    Image3->canvas().copyAt(chestPicture(chest, 'a'), corner);

    const QPointer<TTrickForm> alive(this);
    Delay(clock_, kOpenStepSeconds);
    if (!alive)
        return;

    Image3->canvas().copyAt(wideOpen, corner);
    drawPrizeText(prizeText_, chest);
    const auto place = std::find(kChestsLeftToRight.begin(), kChestsLeftToRight.end(), chest);
    vaultChestPicked(*this, int(place - kChestsLeftToRight.begin()));
    if (result() != QDialog::Accepted) // not already ended by a press during the opening
        Timer1.setEnabled(true);
}

void TTrickForm::Timer1Timer()
{
    Timer1.setEnabled(false);
    accept();
}

void TTrickForm::FormMouseDown(int, int)
{
    if (pressOutsidePicture(pick_) == OutsidePress::ShowPrompt)
        prompt();
    else
        accept();
}

void TTrickForm::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    FormMouseDown(at.x(), at.y());
}

void TTrickForm::done(int)
{
    // The bonus game must be played: before a pick, closing only repeats the prompt.
    if (!pick_.BoxPicked) {
        prompt();
        return;
    }
    Timer1.setEnabled(false);
    QDialog::done(QDialog::Accepted);
}

void TTrickForm::drawHighlight(int chest, bool shown)
{
    // A frame just inside the chest's place; taken away, the room shows there again.
    const QRect place = chestPlace(chest);
    Canvas &canvas = Image3->canvas();
    if (!shown) {
        canvas.copyAt(roomUnderChest_[chest], place.topLeft());
        return;
    }
    const QColor lamp(255, 226, 64);
    const int t = kHighlightThickness;
    canvas.fill(place.left(), place.top(), place.right() + 1, place.top() + t, lamp);
    canvas.fill(place.left(), place.bottom() + 1 - t, place.right() + 1, place.bottom() + 1, lamp);
    canvas.fill(place.left(), place.top(), place.left() + t, place.bottom() + 1, lamp);
    canvas.fill(place.right() + 1 - t, place.top(), place.right() + 1, place.bottom() + 1, lamp);
}

void TTrickForm::prompt()
{
    messages_.show(this, setup_.WindowTitle, coreText(kPickPromptMessage), MessageIcon::Information);
}

QString TTrickForm::spokenPrizeText() const
{
    if (pickedPrize_ == kNudgePrize)
        return tr("%1 Nudges").arg(kNudgePrizeNudges);
    return tr("%1 Credits").arg(shownInteger(pickedPrize_));
}

void TTrickForm::drawPrizeText(const QString &text, int chest)
{
    Canvas &canvas = Image3->canvas();
    QFont font = this->font();
    font.setPointSize(kPrizeTextPoints);
    canvas.setFont(font);
    const int textHeight = QFontMetrics(font, &canvas.image()).height();
    const TextOrigin at = prizeTextOrigin(chest, canvas.textWidth(text), textHeight);
    canvas.textOut(at.x, at.y, text, QColor(255, 0, 0));
}

void TTrickForm::playEffect(const char *ending)
{
    if (state_.SoundOn)
        sound_.playFile(assetFilePath(besideProgram(setup_.ExeDir, {}), setup_.AssetPrefix, ending), false);
}

} // namespace varnholt
