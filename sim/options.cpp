#include "sim/options.h"

#include <array>
#include <charconv>

namespace zandor {
namespace {

constexpr std::array<std::string_view, 9> kGameTypeNames = {"random",   "vertical", "horizontal",
                                                            "diagonal", "inner-h",  "outer-h",
                                                            "inner-sq", "outer-sq", "full-house"};

template <typename Number>
std::optional<Number> numberOf(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> gameTypeOf(std::string_view text) {
    for (std::size_t i = 0; i < kGameTypeNames.size(); ++i) {
        if (text == kGameTypeNames[i]) {
            return static_cast<int>(i);
        }
    }
    const auto index = numberOf<int>(text);
    if (index && *index >= 0 && *index < static_cast<int>(kGameTypeNames.size())) {
        return index;
    }
    return std::nullopt;
}

// Applies one option with its value; returns the error, empty when the value is good.
std::string apply(SimOptions& options, std::string_view name, std::string_view value) {
    if (name == "--games") {
        const auto games = numberOf<long long>(value);
        if (!games || *games < 1) {
            return "--games needs a whole number of at least 1, not '" + std::string(value) + "'";
        }
        options.games = *games;
    } else if (name == "--cards") {
        const auto cards = numberOf<int>(value);
        if (!cards || *cards < 1 || *cards > 3) {
            return "--cards needs 1, 2 or 3, not '" + std::string(value) + "'";
        }
        options.cards = *cards;
    } else if (name == "--type") {
        const auto type = gameTypeOf(value);
        if (!type) {
            return "--type needs random, vertical, horizontal, diagonal or 0..8, not '" +
                   std::string(value) + "'";
        }
        options.gameType = *type;
    } else {
        const auto seed = numberOf<std::uint64_t>(value);
        if (!seed) {
            return "--seed needs a whole number from 0 to 2^64-1, not '" + std::string(value) + "'";
        }
        options.seed = seed;
    }
    return {};
}

bool takesValue(std::string_view name) {
    return name == "--games" || name == "--cards" || name == "--type" || name == "--seed";
}

} // namespace

const char* const kUsage =
    "usage: zandor-sim [--games N] [--cards 1|2|3] [--type TYPE] [--seed S] [--check]\n"
    "Plays N complete games headless (default 10000) and prints the figures of the run.\n"
    "  --games N    number of games to play\n"
    "  --cards C    cards the player buys each game (default 1)\n"
    "  --type TYPE  random, vertical, horizontal, diagonal, or a game-type option 0..8\n"
    "               (4..8 play as random; default random)\n"
    "  --seed S     reproducible draws from seed S (default: clock-reseeded draws)\n"
    "  --check      verify the game's invariants during and after every game\n"
    "  --help       show this text\n"
    "Exit status: 0 done, 1 invariant violations found, 2 bad command line.\n";

std::string_view gameTypeName(int gameType) {
    return kGameTypeNames.at(static_cast<std::size_t>(gameType));
}

ParsedOptions parseOptions(const std::vector<std::string_view>& arguments) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        std::optional<std::string_view> value;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--help" || name == "--check") {
            if (value) {
                parsed.error = std::string(name) + " takes no value";
                return parsed;
            }
            (name == "--help" ? parsed.options.help : parsed.options.check) = true;
            continue;
        }
        if (!takesValue(name)) {
            parsed.error = "unknown option '" + std::string(arguments[i]) + "'";
            return parsed;
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                parsed.error = std::string(name) + " needs a value";
                return parsed;
            }
            value = arguments[++i];
        }
        parsed.error = apply(parsed.options, name, *value);
        if (!parsed.error.empty()) {
            return parsed;
        }
    }
    return parsed;
}

} // namespace zandor
