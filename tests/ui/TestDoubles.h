#pragma once
// The clock, message sink and wave player the window tests hand a window, recording into the
// plain data of TestRecorders.h.

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"

#include "TestRecorders.h"

namespace varnholt::test {

class TestClock final : public Clock, public TestTime {
public:
    std::int64_t GetTickCount() const override { return now; }
    void waitUntil(std::int64_t deadline) override
    {
        waits.push_back(deadline - now);
        if (duringWait)
            duringWait();
        if (deadline > now)
            now = deadline + lag;
    }
};

class RecordingMessages final : public MessageSink {
public:
    explicit RecordingMessages(std::vector<RecordedMessage> &log) : log_(log) {}
    void show(QWidget *, const QString &caption, const QString &text, MessageIcon icon) override
    {
        log_.push_back({caption, text, icon});
    }

private:
    std::vector<RecordedMessage> &log_;
};

class RecordingWaves final : public WavePlayer, public SoundLog {
public:
    bool loadClip(int, const std::string &) override { return true; }
    void playClip(int id) override { played.push_back({std::to_string(id), false, frame()}); }
    void playFile(const std::string &path, bool wait) override
    {
        played.push_back({path.substr(path.find_last_of('/') + 1), wait, frame()});
    }

    // The reel frames drawn so far; empty: none.
    std::function<int()> framesDrawn;

private:
    int frame() const { return framesDrawn ? framesDrawn() : 0; }
};

} // namespace varnholt::test
