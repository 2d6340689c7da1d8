// The simulator's printed figures: compact, one figure per line, the nine computer players in
// card order.
#pragma once

#include "sim/options.h"
#include "sim/runner.h"

#include <ostream>

namespace zandor {

void writeReport(std::ostream& out, const SimOptions& options, const RunResult& result);

} // namespace zandor
