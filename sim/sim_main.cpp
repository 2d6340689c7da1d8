#include "sim/sim_main.h"

#include "sim/options.h"
#include "sim/report.h"
#include "sim/runner.h"

namespace zandor {

int simMain(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        err << "zandor-sim: " << parsed.error << " (see --help)\n";
        return 2;
    }
    if (parsed.options.help) {
        out << kUsage;
        return 0;
    }
    const RunResult result = runSimulation(parsed.options);
    writeReport(out, parsed.options, result);
    return result.violations > 0 ? 1 : 0;
}

} // namespace zandor
