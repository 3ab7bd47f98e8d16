#pragma once
// A main window ready to play: a clock that only moves when the game waits, sounds recorded
// with the reel frame they came in, and stops chosen by picking the seed that draws them.

#include "FormFixture.h"

#include "core/Random.h"
#include "core/Reels.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace varnholt::test {

// Time stands still except in a wait, which runs a hook and then jumps to its deadline
// (plus `lag`, for a machine slower than the frames ask).
class TestClock final : public Clock {
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

    std::int64_t now = 5000;
    std::int64_t lag = 0;
    std::vector<std::int64_t> waits;
    std::function<void()> duringWait;
};

// The clips held in memory, as the sound effects number them.
inline constexpr int kStopClickClip = 0;
inline constexpr int kCountClickClip = 1;

struct PlayedSound {
    std::string name; // the clip number as text, or the file's name without its folder
    bool wait;
    int frame; // reel frames drawn when it started
};

class RecordingWaves final : public WavePlayer {
public:
    bool loadClip(int, const std::string &) override { return true; }
    void playClip(int id) override { played.push_back({std::to_string(id), false, frame()}); }
    void playFile(const std::string &path, bool wait) override
    {
        played.push_back({path.substr(path.find_last_of('/') + 1), wait, frame()});
    }
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

    const TForm1 *form = nullptr;
    std::vector<PlayedSound> played;

private:
    int frame() const { return form ? int(form->reelFrameTicks().size()) : 0; }
};

inline const std::string kStopClick = std::to_string(kStopClickClip);
inline const std::string kCountClick = std::to_string(kCountClickClip);

// A seed from which a spin draws these stops (each reel: a strip offset, then its stop).
inline std::uint32_t seedForStops(int stripHeight, std::array<int, 3> stops)
{
    for (std::uint32_t seed = 1;; ++seed) {
        RandomSource random(seed);
        bool match = true;
        for (int reel = 0; reel < 3 && match; ++reel) {
            random.Random(stripHeight);
            match = random.Random(kStripLength) + 1 == stops[reel];
        }
        if (match)
            return seed;
    }
}

class PlayTest : public FormTest {
protected:
    // A window past its start-up lock, at the given screen size.
    std::unique_ptr<TForm1> makePlayForm(int width = 800, int height = 600)
    {
        auto clockOwned = std::make_unique<TestClock>();
        auto wavesOwned = std::make_unique<RecordingWaves>();
        clock = clockOwned.get();
        waves = wavesOwned.get();
        FormServices services = testServices(width, height);
        services.clock = std::move(clockOwned);
        services.wavePlayer = std::move(wavesOwned);
        auto form = std::make_unique<TForm1>(std::move(services));
        waves->form = form.get();
        form->Timer1Timer();
        waves->played.clear();
        return form;
    }

    // The next spin of the form stops its reels here.
    static void forceStops(TForm1 &form, std::array<int, 3> stops)
    {
        form.random().setSeed(seedForStops(form.face().layout().BlurStripHeight, stops));
    }

    // A press at the centre of a design-coordinate button area.
    static void press(TForm1 &form, int designX, int designY)
    {
        form.FormMouseDown(form.Scale(designX), form.Scale(designY));
    }

    std::vector<QString> messageTexts() const
    {
        std::vector<QString> texts;
        for (const RecordedMessage &m : messages)
            texts.push_back(m.text);
        return texts;
    }

    TestClock *clock = nullptr;
    RecordingWaves *waves = nullptr;
};

// Centres of the face's controls, design coordinates.
inline constexpr int kSpinX = 616, kSpinY = 322;
inline constexpr int kBet1X = 616, kBet1Y = 391;
inline constexpr int kBet3X = 616, kBet3Y = 461;
inline constexpr int kCoinSlotX = 600, kCoinSlotY = 140;
inline constexpr std::array<int, 3> kNudgeButtonX{296, 400, 504};
inline constexpr int kNudgeButtonY = 254;

// Stops giving nothing on any row, no Wild in sight and no bonus combination.
inline constexpr std::array<int, 3> kLosingStops{1, 1, 1};
// Skull, skull, skull on the middle row: 3 credits for one coin.
inline constexpr std::array<int, 3> kSkullMiddleStops{7, 30, 1};
// Skull, skull, skull on the middle row only once reel 1 is nudged down one symbol.
inline constexpr std::array<int, 3> kSkullAfterNudgeStops{8, 30, 1};
// Gold bars, gold bars, Wild on the middle row: 250 credits and two nudges.
inline constexpr std::array<int, 3> kGoldWildStops{30, 8, 7};
// Bonus, Bonus, Bonus on the middle row.
inline constexpr std::array<int, 3> kBonusMiddleStops{8, 1, 3};

} // namespace varnholt::test
