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
    void Label3Click() { openBrand(0); }
    void Label4Click() { openBrand(1); }
    void Label5Click() { openBrand(2); }
    void Label7Click() { openBrand(3); }
    void Label6Click() { openBrand(4); }
    void Label8Click() { openBrand(5); }
    void Label9Click() { openBrand(6); }
    void Label23Click() { openBrand(7); }
    void Label10Click() { openBrand(8); }
    void Label20Click() { openBrand(9); }
    void Image3MouseDown(int X, int Y); // banner pixels
    void Timer1Timer();

    LinkLabel *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    QLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18;
    GameTimer Timer1{250, true};
    LinkLabel *Label20;
    QLabel *Label21, *Label22;
    QFrame *Panel1;
    QLabel *Label19;
    LinkLabel *Label1, *Label2, *Label23;
    QLabel *Label24;
    CanvasWidget *Image1, *Image2, *Image3;

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
