#pragma once
// The game's own help window: one HTML document with an anchor per topic number, shown in a text
// browser with links, Back/Forward, Find and zoom. It keeps nothing between runs.

#include <QCoreApplication>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QLineEdit;
class QTextBrowser;
class QUrl;

namespace varnholt {

class HelpViewer final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Shows the help file at a topic (0: its contents page). A file that cannot be read is
    // reported in this window instead.
    void showTopic(const QString &helpFile, int topic);

    int topic() const { return topic_; }
    QTextBrowser &browser() { return *browser_; }

    // Follows a link of the manual: within the manual itself, or an http(s) or mailto address
    // handed to this. Nothing else is followed.
    void followLink(const QUrl &link);
    std::function<void(const QUrl &)> openWebLink;

    // Within the free part of the screen with `frame` around it, placed over `over`.
    void fitOnScreen(QMargins frame, const QRect &over);

protected:
    bool event(QEvent *event) override;

private:
    bool loadFile(const QString &helpFile);
    void showProblem(const QString &text);
    void findNext();

    QTextBrowser *browser_ = nullptr;
    QLineEdit *findText_ = nullptr;
    QString loadedFile_;
    int topic_ = 0;
    // Fitted again once, when the window manager has framed this window itself.
    bool fittedToOwnFrame_ = false;
};

// One viewer for the whole program: a second request brings the same window to the front at the
// new topic. A modal window on screen would block a separate window, so the viewer then opens
// over that modal window instead.
class HelpViewerHolder {
public:
    HelpViewer &show(const QString &helpFile, int topic);
    HelpViewer *viewer() const { return viewer_.data(); }
    ~HelpViewerHolder();

    // The window a new viewer opens over when no modal window is up (the game's own).
    QPointer<QWidget> over;
    // Where the manual's web links go.
    std::function<void(const QUrl &)> openWebLink;

private:
    void placeViewer(const QWidget *overWindow);

    QPointer<HelpViewer> viewer_;
};

} // namespace varnholt
