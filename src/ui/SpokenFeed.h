#pragma once
// What a screen reader is told of play on the machine: each play's result once, as the face
// shows it, news the moment it happens, and whether the nudge buttons take a press.

#include "core/PlayLifecycle.h"

#include <QString>

namespace varnholt {

class FaceWidget;
class SpokenNotice;
struct GameState;
struct PlayOutcome;

class SpokenFeed {
public:
    // Both widgets belong to the window and outlive the feed.
    SpokenFeed(FaceWidget &face, SpokenNotice &notice) : face_(face), notice_(notice) {}

    SpokenNotice &notice() const { return notice_; }

    // A play begins: its result is still to be told.
    void startResult() { resultTold_ = false; }
    // Said at once, on the face and to whatever the keyboard focus is on.
    void announce(const QString &text);
    // The play's result as the rules have judged it, the first time only.
    void announceResult(const PlayOutcome &outcome, const GameState &game);
    // The nudge buttons take a press only while a nudge may run and nudges are in hand.
    void refreshNudgeOffer(PlayPhase phase, const GameState &game);

private:
    FaceWidget &face_;
    SpokenNotice &notice_;
    bool resultTold_ = true;
};

} // namespace varnholt
