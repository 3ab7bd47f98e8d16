#pragma once
// The main window's face: the canvas the machine is painted on, with hover hints on its
// controls and meters, and their names and values for screen readers.

#include "platform/CanvasWidget.h"

#include <QRect>
#include <QString>

namespace varnholt {

class MachineFace;

class FaceWidget : public CanvasWidget {
public:
    explicit FaceWidget(QWidget *parent = nullptr);

    // The face painted on this widget; its controls and meters are what the hints and the
    // screen reader describe.
    void setFace(MachineFace *face);
    MachineFace *face() const { return face_; }

    // The hover hint at a widget point; empty where no control lies.
    QString toolTipAt(QPoint at) const;

protected:
    struct Hint {
        QString text;
        QRect area; // the hint stays while the pointer is in here
    };
    Hint hintAt(QPoint at) const;

    bool event(QEvent *event) override;

private:
    void metersChanged();

    MachineFace *face_ = nullptr;
};

} // namespace varnholt
