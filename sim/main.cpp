// zandor-sim: plays complete games headless through the game engine and prints the figures.
#include "sim/sim_main.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return zandor::simMain(arguments, std::cout, std::cerr);
}
