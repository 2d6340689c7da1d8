// Speed of the game engine headless: dealing the ten cards of a game, and whole games played by
// the simulator with the null view, with the seeded and the clock-reseeded generator.
#include "engine/game.h"
#include "sim/null_sound_player.h"
#include "sim/null_view.h"
#include "sim/simulator.h"

#include <benchmark/benchmark.h>

namespace {

using zandor::ClockReseededRandom;
using zandor::SeededRandom;

constexpr std::uint64_t kSeed = 1;

template <typename Generator>
Generator makeGenerator();

template <>
SeededRandom makeGenerator<SeededRandom>() {
    return SeededRandom(kSeed);
}

template <>
ClockReseededRandom makeGenerator<ClockReseededRandom>() {
    return ClockReseededRandom();
}

template <typename Generator>
void DealTenCards(benchmark::State& state) {
    Generator random = makeGenerator<Generator>();
    zandor::NullView view;
    zandor::NullSoundPlayer sound;
    zandor::Game game(view, random, sound, "");
    for (auto _ : state) {
        for (int card = 0; card < zandor::kCardCount; ++card) {
            game.DealCards();
            benchmark::DoNotOptimize(game.state().DealtCard);
        }
    }
    state.counters["decks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// One game per iteration: buy the cards, choose the type, press Start, with the occasional
// restart when the balance runs out, as zandor-sim plays without --check.
template <typename Generator>
void FullGame(benchmark::State& state) {
    Generator random = makeGenerator<Generator>();
    zandor::Simulator simulator(random, static_cast<int>(state.range(0)), 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(simulator.playGame());
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(DealTenCards<SeededRandom>);
BENCHMARK(DealTenCards<ClockReseededRandom>);
BENCHMARK(FullGame<SeededRandom>)->ArgName("cards")->Arg(1)->Arg(3);
BENCHMARK(FullGame<ClockReseededRandom>)->ArgName("cards")->Arg(1);

BENCHMARK_MAIN();
