#include "presentation/FacePictures.h"

#include "platform/PictureLoader.h"
#include "platform/RequiredPicture.h"

#include <QPainter>

#include <cmath>
#include <utility>

namespace varnholt {

namespace {

QImage builtin(BuiltinPictureName name)
{
    return requiredBuiltinPicture(name).convertToFormat(QImage::Format_RGB32);
}

void replaceFrom(QImage &picture, const std::string &exeDir, const std::string &fileName)
{
    if (auto replacement = loadReplacementPicture(exeDir, fileName))
        picture = replacement->convertToFormat(QImage::Format_RGB32);
}

} // namespace

FacePictures loadFacePictures(const std::string &exeDir, const std::string &assetPrefix)
{
    FacePictures p;
    p.FaceBitmap = builtin("face.jpg");
    p.MotionStrip = builtin("motion.jpg");
    p.SymbolSheet = builtin("symbols.jpg");
    p.NudgeButtonBitmap = builtin("nudge.jpg");
    p.Bet1Bitmap = builtin("bet1.jpg");
    p.Bet3Bitmap = builtin("bet3.jpg");
    p.SpinBitmap = builtin("spin.jpg");
    p.DimTitleBitmap = builtin("dimmed.jpg");
    p.DimNamePlateBitmap = builtin("dimmed2.jpg");
    p.CrystalBallBitmap = builtin("crystalball.jpg");
    p.Logo = builtin("logo.jpg");
    p.LogoMask = builtin("logomask.gif");
    p.DigitsSmall = builtin("digits_small.gif");
    p.DigitsLarge = builtin("digits_large.gif");
    p.GreenSmall = builtin("green_small.gif");
    p.GreenLarge = builtin("green_large.gif");

    // Replacement files, in the order of the window's picture components.
    replaceFrom(p.FaceBitmap, exeDir, "tester.jpg");
    replaceFrom(p.MotionStrip, exeDir, "motionx.jpg");
    replaceFrom(p.NudgeButtonBitmap, exeDir, "bonusx.jpg");
    replaceFrom(p.Bet1Bitmap, exeDir, "Bet1But.jpg");
    replaceFrom(p.Bet3Bitmap, exeDir, "Bet5But.jpg");
    replaceFrom(p.SpinBitmap, exeDir, "SpinBut.jpg");
    replaceFrom(p.DimTitleBitmap, exeDir, "DIMMEDX.jpg");
    replaceFrom(p.DimNamePlateBitmap, exeDir, "DIMMED2X.jpg");
    replaceFrom(p.SymbolSheet, exeDir, assetPrefix + ".jpg");
    return p;
}

QImage scaledForDevice(const QImage &src, QSize logicalSize, double devicePixelRatio)
{
    const QSize device(int(std::lround(logicalSize.width() * devicePixelRatio)),
                       int(std::lround(logicalSize.height() * devicePixelRatio)));
    QImage scaled =
        src.size() == device ? src : src.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

namespace {

// Each cell is scaled on its own, so no cell's edge picks up colour from its neighbour.
QImage scaledSheet(const QImage &sheet, int cellSize, double devicePixelRatio)
{
    const int device = int(std::lround(cellSize * devicePixelRatio));
    const int sourceCellW = sheet.width() / 4;
    const int sourceCellH = sheet.height() / 3;
    QImage result(device * 4, device * 3, QImage::Format_RGB32);
    result.fill(Qt::black);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                painter.drawImage(QRect(column * device, row * device, device, device), sheet,
                                  QRect(column * sourceCellW, row * sourceCellH, sourceCellW, sourceCellH));
    }
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

} // namespace

SizedPictures LoadSymbolPictures(FacePictures &pictures, const std::string &exeDir,
                                 const std::string &assetPrefix, int screenWidth, double devicePixelRatio)
{
    SizedPictures sized;
    QImage sheet = std::exchange(pictures.SymbolSheet, QImage());
    const auto entry = sizedSheetFor(screenWidth);
    if (entry && screenWidth != 800) {
        if (auto file = loadReplacementPicture(exeDir, assetPrefix + entry->suffix)) {
            sheet = file->convertToFormat(QImage::Format_RGB32);
            sized.sizedSheetFile = true;
        }
    }
    sized.layout = makeLayout(screenWidth, sized.sizedSheetFile, pictures.MotionStrip.height());
    const Layout &layout = sized.layout;

    sized.symbolSheet = scaledSheet(sheet, layout.SymbolSize, devicePixelRatio);
    // The strip is as wide as a reel cell, so a band of it always fills the reel window.
    sized.blurStrip = scaledForDevice(std::exchange(pictures.MotionStrip, QImage()),
                                      QSize(layout.SymbolSize, layout.BlurStripHeight), devicePixelRatio);
    const QImage face = std::exchange(pictures.FaceBitmap, QImage());
    sized.face = FaceBackground(face, QSize(layout.Scale(face.width()), layout.Scale(face.height())),
                                devicePixelRatio);
    return sized;
}

} // namespace varnholt
