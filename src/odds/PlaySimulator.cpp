#include "odds/PlaySimulator.h"

#include "bonus/BonusPrizes.h"
#include "bonus/BonusTrigger.h"
#include "core/Bets.h"
#include "core/NewGame.h"
#include "core/PayTable.h"
#include "play/NudgePlay.h"
#include "play/Spin.h"

#include <cmath>
#include <vector>

namespace varnholt {

namespace {

// The design-size spinning strip: the offsets it draws are part of the machine's sequence.
constexpr int kSimulatedStripHeight = 456;
// Money the simulated player brings whenever the credits run short; only bets and wins count.
constexpr std::int32_t kPlayerPurse = 1000000000;

class SimulatedPlayer final : public QuietPlayEvents {
public:
    SimulatedPlayer(GameState &state, RandomSource &picks) : state_(state), picks_(picks) {}

    std::int64_t won = 0;
    std::int64_t bonusGames = 0;

    void bonusGameDealt(const BonusPrizes &prizes) override
    {
        ++bonusGames;
        applyBonusPrize(state_, prizes[picks_.Random(kChestCount)]);
    }
    void countUpStep(int step, int) override { won += step; }

private:
    GameState &state_;
    RandomSource &picks_;
};

// What one line of symbols s1, s2, s3 can give, indexed s1 * 100 + s2 * 10 + s3: credits when
// covered, the bonus game on any line, the bonus game when covered.
enum LineGain : std::uint8_t { kPaysCredits = 1, kBonusAnyLine = 2, kBonusCoveredLine = 4 };
constexpr auto kLineGains = [] {
    std::array<std::uint8_t, 1000> gains{};
    for (int s1 = 0; s1 < 10; ++s1)
        for (int s2 = 0; s2 < 10; ++s2)
            for (int s3 = 0; s3 < 10; ++s3) {
                int gain = linePays(s1, s2, s3) > 0 ? kPaysCredits : 0;
                if (triggersBonus(s1, s2, s3, false))
                    gain |= kBonusAnyLine;
                else if (triggersBonus(s1, s2, s3, true))
                    gain |= kBonusCoveredLine;
                gains[s1 * 100 + s2 * 10 + s3] = std::uint8_t(gain);
            }
    return gains;
}();

// Whether reels showing these columns (three rows from each pointer) pay credits on a covered
// line or open the bonus game. No branches: the boards are random.
bool boardWins(const signed char *const (&columns)[kReelCount], int coins)
{
    int wins = 0;
    for (int line = 0; line < kLineCount; ++line) {
        const int row = kLineRows[line];
        const int mask = linePlayed(line, coins) ? 0xFF : kBonusAnyLine;
        wins |= kLineGains[columns[0][row] * 100 + columns[1][row] * 10 + columns[2][row]] & mask;
    }
    return wins != 0;
}

void stake(GameState &state, int coins)
{
    if (state.Credits < coins)
        state.Credits = kPlayerPurse;
    if (coins == kMaxCoins) {
        BetMax(state);
        return;
    }
    // Spin re-bets the last stake by itself once it is the stake we want.
    if (state.LastBet != coins)
        for (int coin = 0; coin < coins; ++coin)
            BetOne(state);
}

// winningNudgeReel for every stop combination at one stake, indexed by stopIndex: the player
// looks up its choice instead of judging three boards after every losing result.
class NudgeChoices {
public:
    explicit NudgeChoices(int coins) : choices_(std::size_t(kStripLength) * kStripLength * kStripLength)
    {
        for (int a = 1; a <= kStripLength; ++a)
            for (int b = 1; b <= kStripLength; ++b)
                for (int c = 1; c <= kStripLength; ++c) {
                    const int stops[3] = {a, b, c};
                    choices_[stopIndex(stops)] = static_cast<signed char>(winningNudgeReel(stops, coins));
                }
    }

    int reelFor(const std::array<int, 3> &stops) const
    {
        int wrapped[3];
        for (int reel = 0; reel < kReelCount; ++reel)
            wrapped[reel] =
                stops[reel] >= 1 && stops[reel] <= kStripLength ? stops[reel] : wrapStop(stops[reel]);
        return choices_[stopIndex(wrapped)];
    }

private:
    static std::size_t stopIndex(const int (&stops)[3])
    {
        return std::size_t(((stops[0] - 1) * kStripLength + stops[1] - 1) * kStripLength + stops[2] - 1);
    }

    std::vector<signed char> choices_;
};

} // namespace

double batchMeansCi95(const std::array<double, kReturnBatches> &batchReturns)
{
    // Student's t for 29 degrees of freedom, two-sided 95 %.
    constexpr double kT = 2.0452;
    double mean = 0;
    for (const double r : batchReturns)
        mean += r;
    mean /= kReturnBatches;
    double squares = 0;
    for (const double r : batchReturns)
        squares += (r - mean) * (r - mean);
    return kT * std::sqrt(squares / (kReturnBatches - 1) / kReturnBatches);
}

int winningNudgeReel(const int (&stops)[3], int coins)
{
    const signed char *columns[kReelCount];
    for (int reel = 0; reel < kReelCount; ++reel)
        columns[reel] = &kUnrolledStrips[reel][wrapStop(stops[reel]) - 1];
    for (int reel = 0; reel < kReelCount; ++reel) {
        const signed char *const shown = columns[reel];
        columns[reel] = &kUnrolledStrips[reel][nudgedStop(wrapStop(stops[reel])) - 1];
        const bool wins = boardWins(columns, coins);
        columns[reel] = shown;
        if (wins)
            return reel;
    }
    return -1;
}

SimulationResult simulatePlay(const SimulationSettings &settings)
{
    RandomSource machine(settings.seed);
    RandomSource picks(settings.seed ^ 0x9E3779B9u);
    GameState state;
    InitReels(state);
    NewGame(state);
    state.Credits = kPlayerPurse;
    SimulatedPlayer player(state, picks);
    const NudgeChoices nudgeChoices(settings.coins);

    SimulationResult result;
    std::array<double, kReturnBatches> batchReturns{};
    int batch = 0;
    std::int64_t batchEnd = settings.spins / kReturnBatches, batchWon = 0, batchStaked = 0;
    for (std::int64_t spin = 0; spin < settings.spins; ++spin) {
        const std::int64_t wonBefore = player.won;
        const std::int32_t nudgesBefore = state.Nudges;
        stake(state, settings.coins);
        Spin(state, machine, player, kSimulatedStripHeight);
        result.coinsStaked += state.LastBet;
        result.winningSpins += player.won > wonBefore;

        std::int64_t used = 0;
        while (canNudge(state)) {
            const int reel = nudgeChoices.reelFor(state.ReelStops);
            if (reel < 0)
                break;
            const std::int64_t wonBeforeNudge = player.won;
            NudgeReel(state, reel, machine, player);
            ++used;
            result.nudgedWins += player.won > wonBeforeNudge;
        }
        result.nudgesUsed += used;
        result.nudgesEarned += state.Nudges - nudgesBefore + used;

        if (spin + 1 == batchEnd) {
            batchReturns[std::size_t(batch)] =
                double(player.won - batchWon) / double(result.coinsStaked - batchStaked);
            batchWon = player.won;
            batchStaked = result.coinsStaked;
            ++batch;
            batchEnd = settings.spins * (batch + 1) / kReturnBatches;
        }
    }

    result.spins = settings.spins;
    result.creditsWon = player.won;
    result.bonusGames = player.bonusGames;
    if (result.coinsStaked > 0)
        result.returnToPlayer = double(result.creditsWon) / double(result.coinsStaked);
    if (settings.spins >= kReturnBatches)
        result.returnCi95 = batchMeansCi95(batchReturns);
    return result;
}

} // namespace varnholt
