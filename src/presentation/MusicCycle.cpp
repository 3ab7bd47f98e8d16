#include "presentation/MusicCycle.h"

#include "records/Settings.h"

#include <QCoreApplication>

#include <filesystem>
#include <vector>

namespace varnholt {

MusicCycle::MusicCycle(GameState &state, std::unique_ptr<MidiPlayer> player, FileExists exists)
    : state_(state), player_(player ? std::move(player) : makeSilentMidiPlayer()), exists_(std::move(exists))
{
    if (!exists_)
        exists_ = [](const std::string &path) {
            std::error_code ec;
            return std::filesystem::is_regular_file(path, ec);
        };
    player_->onFinished = [this] { MediaPlayer1Notify(); };
}

MusicCycle::~MusicCycle()
{
    player_->onFinished = nullptr;
    player_->close();
}

void MusicCycle::setMusicFiles(const std::string &exeDir, const std::string &assetPrefix)
{
    for (std::size_t i = 0; i < MusicFiles.size(); ++i)
        MusicFiles[i] = assetFilePath(exeDir, assetPrefix, std::to_string(i) + ".mid");
}

void MusicCycle::requestFirstTrack()
{
    if (!state_.MusicOn)
        return;
    MusicTrack = -1;
    NextMusicTrack();
    if (MusicTrack != kNoMusic) {
        // The pieces to come first, the one about to play live last: it is needed again only
        // when the cycle comes round.
        std::vector<std::string> ahead;
        for (std::size_t step = 1; step <= MusicFiles.size(); ++step) {
            const std::string &file = MusicFiles[(MusicTrack + step) % MusicFiles.size()];
            if (exists_(file))
                ahead.push_back(file);
        }
        player_->renderAhead(ahead);
    }
    requestStart();
}

void MusicCycle::requestStart()
{
    MusicTrack += kStartRequest;
    if (onStartRequest)
        onStartRequest();
}

void MusicCycle::NextMusicTrack()
{
    int existing = 0;
    for (const std::string &file : MusicFiles)
        existing += exists_(file) ? 1 : 0;
    if (existing == 0) {
        MusicTrack = kNoMusic;
        return;
    }
    const int count = static_cast<int>(MusicFiles.size());
    int k = (MusicTrack + 1) % count;
    if (k < 0)
        k = 0;
    while (!exists_(MusicFiles[k]))
        k = (k + 1) % count;
    MusicTrack = k;
}

void MusicCycle::StartPendingMusic()
{
    if (MusicTrack < kStartRequest)
        return;
    dropPendingRequest();
    if (MusicTrack == kNoMusic)
        return;
    openAndPlay(MusicTrack);
}

void MusicCycle::MediaPlayer1Notify()
{
    // The player reports only pieces that played to their end; stops asked for by the game
    // never arrive here, so they never advance the music.
    NextMusicTrack();
    player_->close();
    requestStart();
}

bool MusicCycle::Music1Click()
{
    state_.MusicOn = !state_.MusicOn;
    // A start still pending would otherwise play music while it is switched off, and on would
    // name a piece past the end of the list.
    dropPendingRequest();
    if (!state_.MusicOn) {
        player_->close();
        return false;
    }
    // The current piece may never have been looked for (music switched off before its first
    // start) or may have gone since; a missing piece is skipped silently, never reported.
    if (MusicTrack != kNoMusic && !exists_(MusicFiles[MusicTrack])) {
        MusicTrack -= 1;
        NextMusicTrack();
    }
    if (MusicTrack != kNoMusic)
        openAndPlay(MusicTrack);
    return true;
}

void MusicCycle::openAndPlay(int track)
{
    std::string error;
    if (!player_->open(MusicFiles[track], &error)) {
        if (onError)
            onError(QCoreApplication::translate("MusicCycle", "Cannot play the music file \"%1\": %2.")
                        .arg(QString::fromStdString(MusicFiles[track]), QString::fromStdString(error))
                        .toStdString());
        return;
    }
    player_->play();
}

void MusicCycle::dropPendingRequest()
{
    while (MusicTrack >= kStartRequest)
        MusicTrack -= kStartRequest;
}

} // namespace varnholt
