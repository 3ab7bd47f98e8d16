// Speed of the odds figures: the exact pass over every stop combination, simulated play, the
// prize deal that dominates a bonus game's cost, and the fairness verdict on a player's run.

#include "bonus/BonusPrizes.h"
#include "core/Random.h"
#include "odds/ExactOdds.h"
#include "odds/FairnessVerdict.h"
#include "odds/PlaySimulator.h"

#include <benchmark/benchmark.h>

using namespace varnholt;

static void ExactOddsOverAllCombinations(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(computeExactOdds());
}
BENCHMARK(ExactOddsOverAllCombinations)->Unit(benchmark::kMillisecond);

static void SimulatedPlay(benchmark::State &state)
{
    const std::int64_t spins = state.range(0);
    std::uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(simulatePlay({spins, seed++, int(state.range(1))}));
    state.SetItemsProcessed(state.iterations() * spins);
    state.counters["spins_per_second"] =
        benchmark::Counter(double(state.iterations() * spins), benchmark::Counter::kIsRate);
}
BENCHMARK(SimulatedPlay)->Args({1000000, 3})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

static void PrizeDeal(benchmark::State &state)
{
    RandomSource random(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(ShuffleBonusPrizes(random));
}
BENCHMARK(PrizeDeal)->Unit(benchmark::kMicrosecond);

// At 200 spins the sum is exact; at 100 000 it is approximated.
static void FairnessVerdictOnARun(benchmark::State &state)
{
    const std::int64_t spins = state.range(0);
    machinePayouts();
    for (auto _ : state)
        benchmark::DoNotOptimize(judgeFairness({{spins, 0, 0}, spins * 2 / 5}));
}
BENCHMARK(FairnessVerdictOnARun)->Arg(200)->Arg(100000)->Unit(benchmark::kMillisecond);
