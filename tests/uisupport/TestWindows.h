#pragma once
// Side windows as their tests drive them: what the product keeps protected made public, and the
// surface a window paints on found by its widget, as a player's screenshot would find it.

#include "platform/CanvasWidget.h"
#include "ui/Borrow.h"
#include "ui/FaceWidget.h"
#include "ui/HistoryWindow.h"
#include "ui/Unit2.h"
#include "ui/printerunit.h"

#include <QWidget>

#include <cstdint>
#include <stdexcept>

namespace varnholt {

class TestTrickForm : public TTrickForm {
public:
    using TTrickForm::prizeText;
    using TTrickForm::timer1;
    using TTrickForm::timer2;
    using TTrickForm::TTrickForm;

    // The same of a bonus window the main window made.
    static const QString &prizeTextOf(const TTrickForm &window)
    {
        return (window.*&TestTrickForm::prizeText)();
    }
};

class TestBorrow : public TBorrowC {
public:
    static SpokenNotice &noticeOf(const TBorrowC &window) { return (window.*&TestBorrow::notice)(); }
};

class TestPrinterForm : public TPrinterForm {
public:
    using TPrinterForm::specialLink;
    using TPrinterForm::TPrinterForm;
};

class TestHistoryWindow : public HistoryWindow {
public:
    using HistoryWindow::HistoryWindow;

    using HistoryWindow::chartView;
    using HistoryWindow::clearButton;
    using HistoryWindow::inAll;
    using HistoryWindow::returns;
    using HistoryWindow::verdict;
};

// The face's hover hints, read without a pointer hovering.
class TestFaceWidget : public FaceWidget {
public:
    // The hint at a widget point; empty where no control lies.
    static QString hintTextAt(const FaceWidget &face, QPoint at)
    {
        return (face.*&TestFaceWidget::hintAt)(at).text;
    }
};

// The canvas of the window's one painted surface (the first, in creation order, if several).
inline const Canvas &surfaceOf(const QWidget &window)
{
    for (QWidget *child : window.findChildren<QWidget *>())
        if (auto *surface = dynamic_cast<CanvasWidget *>(child))
            return surface->canvas();
    throw std::logic_error("the window has no painted surface");
}

// The credits the picked chest paid, read from its caption ("25 Credits"; the nudge prize pays none).
inline std::int32_t creditsShown(const TTrickForm &window)
{
    const QString &text = TestTrickForm::prizeTextOf(window);
    return text.endsWith(QStringLiteral(" Credits")) ? text.section(u' ', 0, 0).toInt() : 0;
}

} // namespace varnholt
