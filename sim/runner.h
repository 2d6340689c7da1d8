// Runs a whole simulation as the options ask: builds the generator and, with --check, the
// invariant checker, plays the games and times them.
#pragma once

#include "sim/options.h"
#include "sim/statistics.h"

#include <string>
#include <vector>

namespace zandor {

struct RunResult {
    Statistics statistics;
    long long restarts = 0;
    double seconds = 0.0;
    long long violations = 0;
    std::vector<std::string> violationDescriptions; // the first few
};

RunResult runSimulation(const SimOptions& options);

} // namespace zandor
