#pragma once
// The background music: up to five MIDI pieces played one after the other, 0, 1, 2, 3, 4, 0, ...,
// skipping the files that do not exist, and the Music switch of the Options menu.

#include "core/GameState.h"
#include "platform/Sound.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace varnholt {

class MusicCycle {
public:
    using FileExists = std::function<bool(const std::string &)>;

    // With no exists test given, the files are looked for on disk.
    MusicCycle(GameState &state, std::unique_ptr<MidiPlayer> player, FileExists exists = {});
    ~MusicCycle();
    MusicCycle(const MusicCycle &) = delete;
    MusicCycle &operator=(const MusicCycle &) = delete;

    // Names the five pieces exeDir + assetPrefix + "0.mid" ... "4.mid".
    void setMusicFiles(const std::string &exeDir, const std::string &assetPrefix);

    // Start-up completion: marks the first existing piece to be started by StartPendingMusic,
    // and has the player ready the pieces ahead.
    void requestFirstTrack();
    // Advances MusicTrack to the next existing piece, or to kNoMusic when none exists.
    void NextMusicTrack();
    // Starts the requested piece, if one is requested. Timer4's tick and the start of a spin.
    void StartPendingMusic();
    // The current piece has played to its end: request the next one.
    void MediaPlayer1Notify();
    // Options > Music: flips MusicOn and returns it, for the menu's check mark. Off stops the
    // music at once; on starts the interrupted piece again from its beginning, or the next
    // existing piece when that one's file is gone.
    bool Music1Click();
    bool musicOn() const { return state_.MusicOn; }

    static constexpr int kNoMusic = 9;       // MusicTrack when none of the five files exists
    static constexpr int kStartRequest = 10; // added to MusicTrack to ask for a start

    std::array<std::string, 5> MusicFiles;
    // The current piece 0..4, kNoMusic, or either plus kStartRequest while a start is pending.
    int MusicTrack = 0;

    // Shows the player's message when an existing piece cannot be played (a message box).
    std::function<void(const std::string &)> onError;
    // Told of every start request, so that the window starts the piece soon (Timer4) instead
    // of looking for requests.
    std::function<void()> onStartRequest;

private:
    void requestStart();
    void openAndPlay(int track);
    void dropPendingRequest();

    GameState &state_;
    std::unique_ptr<MidiPlayer> player_;
    FileExists exists_;
};

} // namespace varnholt
