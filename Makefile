# Thin wrapper over the CMake presets. `make test` is the one command a newcomer needs.
.PHONY: all deps build run test asan bench bench-window bench-sound sim fuzz fuzz-ci format format-check clean

FUZZ_SECONDS ?= 60
SOURCES = $(shell git ls-files '*.cpp' '*.h')

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@./build/default/zandor-bingo

test: build
	@ctest --preset default

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: build
	@./build/default/bench/zandor-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

bench-window: build
	@./bench/window-figures.sh build/default

bench-sound: build
	@./bench/sound-timing.sh build/default

sim: build
	@./build/default/tools/sim/zandor-sim --games 100000 --seed 1 --check

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

fuzz-ci: fuzz
	@./tests/fuzz/run-fuzzers.sh build/fuzz/tests/fuzz $(FUZZ_SECONDS)

format:
	@clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	@rm -rf build
