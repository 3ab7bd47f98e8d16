#pragma once
// What the window tests record of a window's clock, messages and sounds: plain data, so a test
// reads it without the interfaces the recorders stand in for.

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace varnholt {
enum class MessageIcon;
}

namespace varnholt::test {

// Time stands still except in a wait, which runs a hook and then jumps to its deadline
// (plus `lag`, for a machine slower than the frames ask).
struct TestTime {
    std::int64_t now = 5000;
    std::int64_t lag = 0;
    std::vector<std::int64_t> waits; // each wait's length, in order
    std::function<void()> duringWait;
};

struct RecordedMessage {
    QString caption, text;
    MessageIcon icon;
};

struct PlayedSound {
    std::string name; // the clip number as text, or the file's name without its folder
    bool wait;
    int frame; // reel frames drawn when it started
};

// The clips held in memory, by the number the sound effects give them.
inline const std::string kStopClick = "0";
inline const std::string kCountClick = "1";

struct SoundLog {
    int count(const std::string &name) const
    {
        int n = 0;
        for (const PlayedSound &s : played)
            n += s.name == name;
        return n;
    }
    std::vector<int> framesOf(const std::string &name) const
    {
        std::vector<int> frames;
        for (const PlayedSound &s : played)
            if (s.name == name)
                frames.push_back(s.frame);
        return frames;
    }

    std::vector<PlayedSound> played;
};

} // namespace varnholt::test
