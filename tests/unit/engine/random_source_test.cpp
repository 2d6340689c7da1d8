#include "engine/random_source.h"
#include "game_test_support.h"

#include <algorithm>
#include <set>

namespace zandor::test {
namespace {

class Fixed final : public RandomSource {
public:
    explicit Fixed(float r) : r_(r) {}
    void reseed() override {}
    float next() override { return r_; }

private:
    float r_;
};

TEST(DrawPosition, ZeroDrawsTheFirstPosition) {
    Fixed zero(0.0f);
    for (int n = 1; n <= 75; ++n) {
        EXPECT_EQ(drawPosition(zero, n), 1);
    }
}

TEST(DrawPosition, TheLargestValueBelowOneDrawsTheLastPositionAndNeverBeyond) {
    Fixed top(kJustBelowOne);
    for (int n = 1; n <= 75; ++n) {
        EXPECT_EQ(drawPosition(top, n), n) << "n = " << n;
    }
}

TEST(DrawPosition, AValueOfOneFromAForeignSourceStaysInRange) {
    Fixed one(1.0f);
    EXPECT_EQ(drawPosition(one, 75), 75);
}

TEST(Generators, UnitValuesStayBelowOne) {
    Pcg32 generator(7);
    float largest = 0.0f;
    for (int i = 0; i < 1000000; ++i) {
        const float r = generator.nextUnit();
        ASSERT_GE(r, 0.0f);
        largest = std::max(largest, r);
    }
    EXPECT_LT(largest, 1.0f);
}

TEST(Generators, ReseedingFromTheClockBeforeEveryDrawStillGivesVariedDraws) {
    // A deal reseeds 250 times within microseconds; the draws must not collapse into repeats.
    ClockReseededRandom random;
    std::set<float> draws;
    float previous = -1.0f;
    int repeats = 0;
    for (int i = 0; i < 250; ++i) {
        random.reseed();
        const float r = random.next();
        repeats += r == previous ? 1 : 0;
        previous = r;
        draws.insert(r);
    }
    EXPECT_EQ(repeats, 0);
    EXPECT_GT(draws.size(), 240U);
}

TEST(Generators, ASeedFixesTheSequenceWhateverTheReseeds) {
    SeededRandom a(42);
    SeededRandom b(42);
    for (int i = 0; i < 100; ++i) {
        a.reseed();
        EXPECT_EQ(a.next(), b.next());
    }
    SeededRandom c(43);
    EXPECT_NE(SeededRandom(42).next(), c.next());
}

} // namespace
} // namespace zandor::test
