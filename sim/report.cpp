#include "sim/report.h"

#include <cmath>
#include <iomanip>

namespace zandor {
namespace {

constexpr int kPlayersPerLine = 3;

double percent(long long part, long long whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

void writeHeading(std::ostream& out, const SimOptions& options) {
    out << "zandor-sim: " << options.games << (options.games == 1 ? " game, " : " games, ")
        << options.cards << (options.cards == 1 ? " card, " : " cards, ") << "type "
        << gameTypeName(options.gameType) << ", ";
    if (options.seed) {
        out << "seed " << *options.seed;
    } else {
        out << "clock-reseeded";
    }
    out << (options.check ? ", checked\n" : "\n");
}

void writeComputerWins(std::ostream& out, const Statistics& statistics) {
    out << "computer player wins:\n";
    for (std::size_t i = 0; i < kComputerPlayers.size(); ++i) {
        const long long wins = statistics.computerWins(i);
        out << (i % kPlayersPerLine == 0 ? "  " : "   ") << std::left << std::setw(6)
            << kComputerPlayers[i] << std::right << std::setw(9) << wins << " (" << std::setw(4)
            << percent(wins, statistics.games()) << "%)";
        if (i % kPlayersPerLine == kPlayersPerLine - 1 || i + 1 == kComputerPlayers.size()) {
            out << '\n';
        }
    }
}

} // namespace

void writeReport(std::ostream& out, const SimOptions& options, const RunResult& result) {
    const Statistics& s = result.statistics;
    const auto flags = out.flags();
    writeHeading(out, options);
    out << std::fixed << std::setprecision(1);
    out << "player win rate:      " << 100.0 * s.playerWinRate() << "% (" << s.playerWins()
        << " wins)\n";
    out << std::setprecision(2);
    out << "mean calls per game:  " << s.meanCalls() << '\n';
    out << "mean return per game: " << (s.meanReturn() < 0 ? "-$" : "$") << std::abs(s.meanReturn())
        << '\n';
    out << std::setprecision(1);
    writeComputerWins(out, s);
    out << std::setprecision(0);
    out << "games per second:     "
        << (result.seconds > 0 ? static_cast<double>(s.games()) / result.seconds : 0.0) << '\n';
    out << "restarts:             " << result.restarts << '\n';
    out << "invariant violations: " << result.violations << '\n';
    for (const std::string& description : result.violationDescriptions) {
        out << "  " << description << '\n';
    }
    if (result.violations > static_cast<long long>(result.violationDescriptions.size())) {
        out << "  ...\n";
    }
    out.flags(flags);
}

} // namespace zandor
