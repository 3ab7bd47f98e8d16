#include "bonus/BonusPrizes.h"

#include "core/Counters.h"

#include <algorithm>
#include <utility>

namespace varnholt {

namespace {

// The deal is 1001 rounds of five swaps (entry i with entry Random(5)), 5005 dependent steps.
// It is computed faster with the same result: the generator jumps ahead (its seed after t
// draws is A[t] * seed + C[t]), so every draw stands alone; each round's five draws form one
// base-5 code, which names the order of five the round leaves; and the 1001 orders combine
// through a 120 x 120 table.
constexpr int kRounds = 1001;
constexpr int kDraws = kRounds * kChestCount;
constexpr int kPaddedRounds = 1008; // a multiple of 16, so the loops over rounds vectorize fully
constexpr int kOrders = 120;        // orders of five entries
constexpr int kRoundCodes = 3125;   // five draws of 0..4

using Order = std::array<std::uint8_t, kChestCount>; // entry k of the result comes from entry order[k]

struct DealTables {
    // [i][round]: jump over the draws up to and including draw i of that round.
    std::array<std::array<std::uint32_t, kPaddedRounds>, kChestCount> jumpMultiplier{};
    std::array<std::array<std::uint32_t, kPaddedRounds>, kChestCount> jumpIncrement{};
    std::uint32_t lastMultiplier = 1, lastIncrement = 0; // jump over all the deal's draws
    std::array<Order, kOrders> orders{};
    std::array<std::uint8_t, kRoundCodes> roundOrder{};            // round code -> order
    std::array<std::array<std::uint8_t, kOrders>, kOrders> then{}; // order a, then order b
};

constexpr int orderCode(const Order &order)
{
    int code = 0;
    for (int k = kChestCount - 1; k >= 0; --k)
        code = code * kChestCount + order[k];
    return code;
}

constexpr DealTables makeDealTables()
{
    DealTables t;
    std::uint32_t multiplier = 1, increment = 0;
    for (int draw = 0; draw < kPaddedRounds * kChestCount; ++draw) {
        multiplier *= RandomSource::kMultiplier;
        increment = increment * RandomSource::kMultiplier + RandomSource::kIncrement;
        t.jumpMultiplier[draw % kChestCount][draw / kChestCount] = multiplier;
        t.jumpIncrement[draw % kChestCount][draw / kChestCount] = increment;
        if (draw == kDraws - 1) {
            t.lastMultiplier = multiplier;
            t.lastIncrement = increment;
        }
    }

    std::array<std::uint8_t, kRoundCodes> idOfCode{};
    Order order{0, 1, 2, 3, 4};
    int id = 0;
    do {
        t.orders[id] = order;
        idOfCode[orderCode(order)] = std::uint8_t(id);
        ++id;
    } while (std::next_permutation(order.begin(), order.end()));

    for (int code = 0; code < kRoundCodes; ++code) {
        Order round{0, 1, 2, 3, 4};
        int rest = code;
        for (int i = 0; i < kChestCount; ++i, rest /= kChestCount)
            std::swap(round[i], round[rest % kChestCount]);
        t.roundOrder[code] = idOfCode[orderCode(round)];
    }
    for (int a = 0; a < kOrders; ++a)
        for (int b = 0; b < kOrders; ++b) {
            Order combined{};
            for (int k = 0; k < kChestCount; ++k)
                combined[k] = t.orders[a][t.orders[b][k]];
            t.then[a][b] = idOfCode[orderCode(combined)];
        }
    return t;
}

// Built at first use rather than by the compiler: some compilers stop constant evaluation of
// this much work short of the end.
const DealTables &dealTables()
{
    static const DealTables tables = makeDealTables();
    return tables;
}

// Draw i of every round at once, weighted into the rounds' codes. The loop vectorizes; where
// the processor has wider vectors, a second copy uses them. (Not under ThreadSanitizer: it
// instruments the copies' resolver, which runs before the sanitizer's runtime is ready.)
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__APPLE__) && !defined(VARNHOLT_THREAD_SANITIZER)
__attribute__((target_clones("avx2", "default")))
#endif
void roundCodes(const DealTables &t, std::uint32_t start, std::array<std::uint16_t, kPaddedRounds> &codes)
{
    std::uint16_t weight = 1;
    for (int i = 0; i < kChestCount; ++i, weight *= kChestCount) {
        const auto &multipliers = t.jumpMultiplier[i];
        const auto &increments = t.jumpIncrement[i];
        for (int round = 0; round < kPaddedRounds; ++round) {
            const std::uint32_t seed = multipliers[round] * start + increments[round];
            codes[round] += std::uint16_t(weight * std::uint16_t((std::uint64_t(seed) * kChestCount) >> 32));
        }
    }
}

} // namespace

BonusPrizes ShuffleBonusPrizes(RandomSource &random)
{
    const DealTables &t = dealTables();
    const std::uint32_t start = random.seed();
    std::array<std::uint16_t, kPaddedRounds> codes{};
    roundCodes(t, start, codes);

    std::array<std::uint8_t, kRounds> rounds;
    for (int round = 0; round < kRounds; ++round)
        rounds[round] = t.roundOrder[codes[round]];

    // Combine neighbouring rounds pairwise; the combination is associative, and the pairs of
    // one level do not wait for each other.
    for (int count = kRounds; count > 1; count = (count + 1) / 2) {
        for (int i = 0; i < count / 2; ++i)
            rounds[i] = t.then[rounds[2 * i]][rounds[2 * i + 1]];
        if (count % 2 != 0)
            rounds[count / 2] = rounds[count - 1];
    }
    random.setSeed(t.lastMultiplier * start + t.lastIncrement);

    BonusPrizes prizes{};
    for (int k = 0; k < kChestCount; ++k)
        prizes[k] = kUndealtPrizes[t.orders[rounds[0]][k]];
    return prizes;
}

std::string prizeText(std::int32_t prize)
{
    if (prize == kNudgePrize)
        return "6 Nudges";
    return std::to_string(prize) + " Credits";
}

void applyBonusPrize(GameState &state, std::int32_t prize)
{
    if (prize == kNudgePrize) {
        state.Nudges = addCapped(state.Nudges, kNudgePrizeNudges);
        return;
    }
    state.SpinWin = addCapped(state.SpinWin, prize);
    state.BonusWon = addCapped(state.BonusWon, prize);
}

} // namespace varnholt
