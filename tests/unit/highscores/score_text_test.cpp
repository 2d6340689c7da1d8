// Reading a score from text: whole numbers, blanks, fractions rounded half to even, range.
#include "highscores/score_text.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <optional>

namespace zandor {
namespace {

struct ScoreCase {
    const char* what;
    const char* text;
    std::optional<std::int32_t> expected;
};

std::ostream& operator<<(std::ostream& out, const ScoreCase& c) {
    return out << c.what;
}

class ScoreText : public testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreText, ReadsTheNumberOrNothing) {
    EXPECT_EQ(parseScore(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ScoreText,
    testing::Values(
        ScoreCase{"plain", "1234", 1234}, ScoreCase{"zero", "0", 0},
        ScoreCase{"negative", "-60", -60}, ScoreCase{"blanks around", " \t 42 ", 42},
        ScoreCase{"leading zeros", "007", 7}, ScoreCase{"largest", "2147483647", 2147483647},
        ScoreCase{"smallest", "-2147483648", INT32_MIN},
        ScoreCase{"just too large", "2147483648", std::nullopt},
        ScoreCase{"just too small", "-2147483649", std::nullopt},
        ScoreCase{"far too large", "99999999999999999999999", std::nullopt},
        ScoreCase{"fraction rounds down", "2.4", 2}, ScoreCase{"fraction rounds up", "2.6", 3},
        ScoreCase{"half rounds to even down", "2.5", 2},
        ScoreCase{"half rounds to even up", "3.5", 4},
        ScoreCase{"just over a half rounds up", "2.5000001", 3},
        ScoreCase{"negative half to even", "-0.5", 0},
        ScoreCase{"negative rounds away", "-1.7", -2}, ScoreCase{"no whole part", ".6", 1},
        ScoreCase{"no fraction digits", "5.", 5},
        ScoreCase{"rounding past the largest", "2147483647.5", std::nullopt},
        ScoreCase{"rounding to the smallest", "-2147483647.5", INT32_MIN},
        ScoreCase{"empty", "", std::nullopt}, ScoreCase{"blanks", "   ", std::nullopt},
        ScoreCase{"letters", "x1", std::nullopt},
        ScoreCase{"trailing letters", "12ab", std::nullopt},
        ScoreCase{"lone minus", "-", std::nullopt}, ScoreCase{"lone point", ".", std::nullopt},
        ScoreCase{"blank after minus", "- 5", std::nullopt},
        ScoreCase{"plus sign", "+5", std::nullopt}, ScoreCase{"two points", "1.2.3", std::nullopt},
        ScoreCase{"separator", "1,000", std::nullopt}, ScoreCase{"exponent", "1e3", std::nullopt}),
    [](const testing::TestParamInfo<ScoreCase>& info) { return test::testName(info.param.what); });

} // namespace
} // namespace zandor
