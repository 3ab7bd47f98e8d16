#pragma once
// The printer-supplies advert: today's cartridge special for the default printer, a list of
// printer brands and a banner, every one a link to the sponsor's pages. It changes nothing in
// the game.

#include "platform/GameTimer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <functional>

class QFrame;
class QLabel;

namespace varnholt {

class CanvasWidget;
class DefaultPrinter;
class LinkLabel;

class TPrinterForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TPrinterForm)

public:
    static constexpr int kClientWidth = 605;
    static constexpr int kClientHeight = 623;

    // openLink hands a page's address to the desktop (and reports when nothing could open it).
    TPrinterForm(DefaultPrinter &printer, std::function<void(const QString &)> openLink,
                 QWidget *parent = nullptr);
    ~TPrinterForm() override;

    // Handlers, named after the component and the event they serve.
    void Label1Click() { openSpecial(); }
    void Label2Click() { openSpecial(); }
    void Label5Click() { openBrand(2); }
    void Label20Click() { openBrand(9); }
    void Image3MouseDown(int X, int Y); // banner pixels
    void Timer1Timer();

    LinkLabel *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr,
              *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr,
           *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr;
    GameTimer Timer1{250, true};
    LinkLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr, *Label22 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label19 = nullptr;
    LinkLabel *Label1 = nullptr, *Label2 = nullptr, *Label23 = nullptr;
    QLabel *Label24 = nullptr;
    CanvasWidget *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;

protected:
    // The special's page as decided when the window was made.
    const QString &specialLink() const { return SpecialLink; }

private:
    void FormCreate(DefaultPrinter &printer);
    void buildBrandRows();
    void buildPictures();
    void buildPanel();
    void setUpSpecial(const QString &name);
    void openSpecial();
    void openBrand(int row);

    std::function<void(const QString &)> openLink_;
    QString SpecialLink;
    QString SpecialPrice;
};

} // namespace varnholt
