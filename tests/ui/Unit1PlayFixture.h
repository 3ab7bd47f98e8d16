#pragma once
// A main window ready to play: a clock that only moves when the game waits, sounds recorded
// with the reel frame they came in, and stops chosen by picking the seed that draws them.

#include "FormFixture.h"

#include "core/Random.h"
#include "core/Reels.h"
#include "play/Spin.h"
#include "presentation/MachineFace.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace varnholt::test {

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

    const TestForm1 *form = nullptr;
    std::vector<PlayedSound> played;

private:
    int frame() const { return form ? int(form->reelFrameTicks().size()) : 0; }
};

inline const std::string kStopClick = std::to_string(kStopClickClip);
inline const std::string kCountClick = std::to_string(kCountClickClip);

// Centres of the face's controls, design coordinates.
inline constexpr int kSpinX = 616, kSpinY = 322;
inline constexpr int kBet1X = 616, kBet1Y = 391;
inline constexpr int kBet3X = 616, kBet3Y = 461;
inline constexpr int kCoinSlotX = 600, kCoinSlotY = 140;
inline constexpr std::array<int, 3> kNudgeButtonX{296, 400, 504};
inline constexpr int kNudgeButtonY = 254;

// Where the lamps lie on the window's face.
inline QRect buttonLamps(const TestForm1 &form) // Spin, Bet 1 and Bet 3
{
    return form.face().scaledRect(577, 293, 655, 491);
}
inline QRect titlePanel(const TestForm1 &form) { return form.face().scaledRect(247, 98, 549, 241); }
inline QRect nudgeButtons(const TestForm1 &form) { return form.face().scaledRect(252, 243, 552, 263); }
// The cell of reel 3 where the Wild swings.
inline QRect wildCell(const TestForm1 &form)
{
    const Layout &l = form.face().layout();
    return QRect(l.ReelsLeft + 2 * l.ReelPitch, l.ReelsTop + form.game().WildRow * l.SymbolSize, l.SymbolSize,
                 l.SymbolSize);
}

class PlayTest : public FormTest {
protected:
    // A window past its start-up lock, at the given screen size, its sounds recorded.
    std::unique_ptr<TestForm1> makePlayForm(int width = 800, int height = 600)
    {
        auto wavesOwned = std::make_unique<RecordingWaves>();
        waves = wavesOwned.get();
        FormServices services = testServices(width, height);
        services.wavePlayer = std::move(wavesOwned);
        auto form = makeStartedForm(std::move(services));
        waves->form = form.get();
        waves->played.clear();
        return form;
    }

    // Whether the area shows something else once `milliseconds` have passed.
    bool changesWithin(TestForm1 &form, const QRect &area, int milliseconds)
    {
        form.runDueTimers();
        const QImage before = form.canvas().grab(area);
        passTime(form, milliseconds);
        return form.canvas().grab(area) != before;
    }

    // The next spin of the form stops its reels here.
    static void forceStops(TestForm1 &form, std::array<int, 3> stops)
    {
        form.reseedRandom(seedForStops(form.face().layout().BlurStripHeight, stops));
    }

    static void betOne(TestForm1 &form) { press(form, kBet1X, kBet1Y); }
    static void spin(TestForm1 &form) { press(form, kSpinX, kSpinY); }

    // A press at the centre of a design-coordinate button area.
    static void press(TestForm1 &form, int designX, int designY)
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

    RecordingWaves *waves = nullptr;
};

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
