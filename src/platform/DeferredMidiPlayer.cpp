#include "platform/Sound.h"

#include <utility>

namespace varnholt {

namespace {

// Makes the real player when music is first opened, which a player who keeps Music off
// never needs.
class DeferredMidiPlayer final : public MidiPlayer {
public:
    explicit DeferredMidiPlayer(std::function<std::unique_ptr<MidiPlayer>()> make) : make_(std::move(make)) {}

    bool open(const std::string &path, std::string *error) override { return player().open(path, error); }
    // Before the first open nothing is open, so there is nothing to play or close.
    void play() override
    {
        if (real_)
            real_->play();
    }
    void close() override
    {
        if (real_)
            real_->close();
    }
    // Kept until the real player is made: rendering needs the synthesizer's identity.
    void renderAhead(const std::vector<std::string> &paths) override
    {
        if (real_)
            real_->renderAhead(paths);
        else
            ahead_ = paths;
    }

private:
    MidiPlayer &player()
    {
        if (!real_) {
            real_ = make_();
            if (!real_)
                real_ = makeSilentMidiPlayer();
            real_->onFinished = [this] {
                if (onFinished)
                    onFinished();
            };
            if (!ahead_.empty())
                real_->renderAhead(std::exchange(ahead_, {}));
        }
        return *real_;
    }

    std::function<std::unique_ptr<MidiPlayer>()> make_;
    std::unique_ptr<MidiPlayer> real_;
    std::vector<std::string> ahead_;
};

} // namespace

std::unique_ptr<MidiPlayer> makeDeferredMidiPlayer(std::function<std::unique_ptr<MidiPlayer>()> make)
{
    return std::make_unique<DeferredMidiPlayer>(std::move(make));
}

} // namespace varnholt
