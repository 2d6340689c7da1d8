#include "sim/runner.h"

#include "sim/invariant_checker.h"
#include "sim/simulator.h"

#include <chrono>
#include <memory>

namespace zandor {
namespace {

std::unique_ptr<RandomSource> generatorFor(const SimOptions& options) {
    if (options.seed) {
        return std::make_unique<SeededRandom>(*options.seed);
    }
    return std::make_unique<ClockReseededRandom>();
}

} // namespace

RunResult runSimulation(const SimOptions& options) {
    const auto random = generatorFor(options);
    std::optional<InvariantChecker> checker;
    if (options.check) {
        checker.emplace(options.cards);
    }
    Simulator simulator(*random, options.cards, options.gameType, checker ? &*checker : nullptr);

    RunResult result;
    const auto start = std::chrono::steady_clock::now();
    for (long long game = 0; game < options.games; ++game) {
        result.statistics.record(simulator.playGame());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    result.seconds = elapsed.count();
    result.restarts = simulator.restarts();
    if (checker) {
        result.violations = checker->violations();
        result.violationDescriptions = checker->descriptions();
    }
    return result;
}

} // namespace zandor
