// The simulator's command-line entry: parses the options, runs, prints the figures and gives
// the exit status (0 done, 1 invariant violations, 2 bad command line).
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace zandor {

int simMain(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err);

} // namespace zandor
