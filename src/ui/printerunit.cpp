#include "ui/printerunit.h"

#include "platform/Canvas.h"
#include "platform/CanvasWidget.h"
#include "platform/DefaultPrinter.h"
#include "platform/PictureLoader.h"
#include "platform/PlainText.h"
#include "presentation/FaceFonts.h"
#include "sponsor/BannerAreas.h"
#include "sponsor/BrandRows.h"
#include "sponsor/PrinterSpecial.h"
#include "sponsor/SponsorSite.h"
#include "ui/CoreTexts.h"
#include "ui/DialogFrame.h"
#include "ui/LinkLabel.h"

#include <QFontMetrics>
#include <QFrame>

#include <array>

namespace varnholt {

namespace {

const QColor kLinkBlue(0, 0, 255);
const QColor kPriceRed(255, 0, 0);
const QColor kPanelYellow(255, 255, 0);

constexpr int kBrandLeft = 48;
constexpr int kBrandWidth = 240;
constexpr int kSavingLeft = 296;
constexpr int kPairGap = 8; // between the printer's name and its price

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void setBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// A label sized to its text, as a caption that sizes itself.
void fitToText(QLabel &label)
{
    const QFontMetrics metrics(label.font());
    label.resize(metrics.horizontalAdvance(label.text()), metrics.height());
}

template <typename Label> Label *label(QWidget *parent, const QString &caption, int pixels, QColor colour)
{
    auto *made = new Label(parent);
    made->setTextFormat(Qt::PlainText); // the printer's name comes from the print server
    made->setFont(windowFont(pixels, true));
    made->setText(caption);
    setTextColour(*made, colour);
    return made;
}

LinkLabel *link(QWidget *parent, const QString &caption, int pixels, QColor colour)
{
    LinkLabel *made = label<LinkLabel>(parent, caption, pixels, colour);
    QFont underlined = made->font();
    underlined.setUnderline(true);
    made->setFont(underlined);
    made->setCursor(Qt::PointingHandCursor);
    return made;
}

CanvasWidget *picture(QWidget *parent, const char *name, const QRect &place)
{
    auto *image = new CanvasWidget(parent);
    image->setGeometry(place);
    image->setFocusPolicy(Qt::NoFocus);
    Canvas &canvas = image->resetCanvas(place.size(), parent->devicePixelRatioF());
    canvas.fill(0, 0, place.width(), place.height(), Qt::white);
    if (const std::optional<QImage> loaded = loadBuiltinPicture(name))
        canvas.copy(*loaded, loaded->rect(), QRect(QPoint(0, 0), place.size())); // stretched to fit
    return image;
}

} // namespace

TPrinterForm::TPrinterForm(DefaultPrinter &printer, std::function<void(const QString &)> openLink,
                           QWidget *parent)
    : QDialog(parent), openLink_(std::move(openLink))
{
    FormCreate(printer);
}

TPrinterForm::~TPrinterForm() = default;

void TPrinterForm::FormCreate(DefaultPrinter &printer)
{
    setModal(true);
    setUpFixedWindow(*this, QSize(kClientWidth, kClientHeight),
                     tr("Advertisement - Please Support our Sponsors"));
    setFont(windowFont(11, false));
    setBackground(*this, Qt::white);

    buildPictures();
    buildBrandRows();
    Label22 = label<QLabel>(
        this, tr("Click your printer type above to save BIG bucks on printer cartridges."), 24, Qt::black);
    Label22->setGeometry(56, 488, 497, 129);
    Label22->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label22->setWordWrap(true);
    buildPanel();

    Timer1.OnTimer = [this] { Timer1Timer(); };
    const std::optional<PrintQueue> queue = printer.queue();
    setUpSpecial(
        text(queue ? advertisedPrinterName(queue->name, queue->description) : std::string(kNoPrinter)));
    scrollWhenTooTall(*this);
}

void TPrinterForm::buildPictures()
{
    Image3 = picture(this, "banner.gif", QRect(4, 8, 600, 75));
    Image3->onMouseDown = [this](int x, int y) { Image3MouseDown(x, y); };
    Image1 = picture(this, "printer1.jpg", QRect(424, 240, 100, 100));
    Image2 = picture(this, "printer2.jpg", QRect(424, 368, 100, 100));
}

void TPrinterForm::buildBrandRows()
{
    struct RowLabels {
        LinkLabel *TPrinterForm::*brand;
        QLabel *TPrinterForm::*saving;
    };
    // The labels of each brand row, top to bottom.
    static constexpr std::array<RowLabels, kBrandRows.size()> kRowLabels{{
        {&TPrinterForm::Label3, &TPrinterForm::Label11},
        {&TPrinterForm::Label4, &TPrinterForm::Label12},
        {&TPrinterForm::Label5, &TPrinterForm::Label13},
        {&TPrinterForm::Label7, &TPrinterForm::Label14},
        {&TPrinterForm::Label6, &TPrinterForm::Label15},
        {&TPrinterForm::Label8, &TPrinterForm::Label16},
        {&TPrinterForm::Label9, &TPrinterForm::Label17},
        {&TPrinterForm::Label23, &TPrinterForm::Label18},
        {&TPrinterForm::Label10, &TPrinterForm::Label24},
        {&TPrinterForm::Label20, &TPrinterForm::Label21},
    }};
    for (std::size_t row = 0; row < kBrandRows.size(); ++row) {
        const BrandRow &brand = kBrandRows[row];
        const int y = kBrandRowsTop + static_cast<int>(row) * kBrandRowPitch;
        LinkLabel *name = link(this, coreText(brand.caption), 13, kLinkBlue);
        fitToText(*name);
        name->setGeometry(kBrandLeft, y, kBrandWidth, name->height());
        name->setAlignment(Qt::AlignRight | Qt::AlignTop);
        name->setToolTip(name->text());
        name->onClick = [this, row] { openBrand(static_cast<int>(row)); };
        QLabel *saving = label<QLabel>(this, coreText(brand.saving), 13, kPriceRed);
        fitToText(*saving);
        saving->move(kSavingLeft, y);
        this->*kRowLabels[row].brand = name;
        this->*kRowLabels[row].saving = saving;
    }
}

void TPrinterForm::buildPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setGeometry(56, 112, 481, 89);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    setBackground(*Panel1, kPanelYellow);

    Label19 = label<QLabel>(Panel1, tr("Today's Inkjet Cartridge Special"), 22, Qt::black);
    Label19->setGeometry(0, 8, 473, 41);
    Label19->setAlignment(Qt::AlignCenter);
    Label1 = link(Panel1, QString(), 16, kLinkBlue);
    Label1->move(0, 48);
    Label1->onClick = [this] { Label1Click(); };
    Label2 = label<LinkLabel>(Panel1, QString(), 20, kPriceRed); // the price: a link, not underlined
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->move(0, 46);
    Label2->onClick = [this] { Label2Click(); };
}

void TPrinterForm::setUpSpecial(const QString &name)
{
    if (name == text(kNoPrinter)) {
        Timer1.setEnabled(false);
        Panel1->hide();
        return;
    }
    Label1->setText(isolatedText(name)); // the print server's words, kept from reordering ours
    const PrinterSpecial special = findPrinterSpecial(name.toStdString());
    SpecialLink = text(sponsorAddress(special.page));
    Label1->setToolTip(SpecialLink); // our own address, built from the model table
    SpecialPrice = text(special.price);
    Label2->setText(SpecialPrice);

    // The name and price side by side, centred in the panel.
    fitToText(*Label1);
    fitToText(*Label2);
    const int total = Label1->width() + Label2->width() + kPairGap;
    Label1->move(Panel1->width() / 2 - total / 2, Label1->y());
    Label2->move(Label1->x() + Label1->width() + kPairGap, Label2->y());
}

void TPrinterForm::Timer1Timer()
{
    const bool red = Label2->palette().color(QPalette::WindowText) == kPriceRed;
    setTextColour(*Label2, red ? kPanelYellow : kPriceRed);
}

void TPrinterForm::Image3MouseDown(int X, int Y) { openLink_(text(sponsorAddress(bannerPage(X, Y)))); }

void TPrinterForm::openSpecial() { openLink_(SpecialLink); }

void TPrinterForm::openBrand(int row)
{
    openLink_(text(sponsorAddress(kBrandRows[static_cast<std::size_t>(row)].page)));
}

} // namespace varnholt
