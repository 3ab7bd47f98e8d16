#pragma once
// The main window's face: the canvas the machine is painted on, with hover hints on its
// controls and meters, and their names and values for screen readers.

#include "platform/CanvasWidget.h"
#include "presentation/FaceControls.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>

#include <array>

namespace varnholt {

class MachineFace;

class FaceWidget : public CanvasWidget {
    Q_DECLARE_TR_FUNCTIONS(FaceWidget)

public:
    explicit FaceWidget(QWidget *parent = nullptr);

    // The face painted on this widget; its controls and meters are what the hints and the
    // screen reader describe.
    void setFace(MachineFace *face);
    MachineFace *face() const { return face_; }

    // Screen readers: whether the nudge buttons take a press now, and the result of the last
    // spin or nudge, spoken once each time it is set (a repeat is spoken again).
    void setNudgeOffered(bool offered);
    bool nudgeOffered() const { return nudgeOffered_; }
    void announce(const QString &result);
    const QString &lastResult() const { return lastResult_; }

    // The part of the face a screen reader is on: Tab and Shift+Tab walk the parts (as
    // faceTabOrder lists them) without pressing anything; -1 before the first Tab.
    int focusedPart() const { return focusedPart_; }

protected:
    struct Hint {
        QString text;
        QRect area; // the hint stays while the pointer is in here
    };
    Hint hintAt(QPoint at) const;

    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void metersChanged();
    void reelChanged(int reel);

    MachineFace *face_ = nullptr;
    bool nudgeOffered_ = false;
    QString lastResult_;
    int focusedPart_ = -1;
    std::array<QString, kFaceControls.size()> toldMeters_; // as screen readers were last told
};

} // namespace varnholt
