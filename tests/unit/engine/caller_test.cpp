// The caller's order of work. Which line wins, the column letters and the pool are checked on
// every call of the simulator's checked games (tests/unit/sim), and in the engine's whole games.
#include "game_test_support.h"

#include <numeric>

namespace zandor::test {
namespace {

using Caller = GameTest;

TEST_F(Caller, ACallIsShownLitAndHeardBeforeThePlayersCellsAreMarked) {
    buy(1);
    state.maxrecord = kNumberCount;
    std::iota(state.NumberPool.begin() + 1, state.NumberPool.end(), 1);
    view.values[Ctl::automancheck] = 1;
    view.setCaption(Ctl::Label3, 4, "7");
    view.setCaption(Ctl::Label3, 13, "0");
    view.log.clear();
    random.script = {drawing(7, kNumberCount)};
    std::int16_t win = 0;
    game.CallGame(win);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "repaint", "caption CalledNumberDisplay  ",
                            "caption CalledNumberDisplay B 7", "color Label1(7) FF0000",
                            "sound /opt/zandor/sounds/7.wav", "color Label3(4) FF0000"}));
}

} // namespace
} // namespace zandor::test
