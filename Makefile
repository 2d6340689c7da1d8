# Thin wrapper over the CMake presets. `make test` is the one command a newcomer needs.
.PHONY: all deps check-deps build run test asan bench bench-window bench-sound sim fuzz fuzz-ci format format-check \
	package package-check package-install-check clean

FUZZ_SECONDS ?= 60
SOURCES = $(shell git ls-files '*.cpp' '*.h')

# The Debian package: a Release build of the program alone, installed under /usr, hardened with
# Debian's build flags (less -g: the package's binary is stripped).
VERSION = $(shell sed -n 's/^project.ZandorBingo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
PACKAGE_DIR = build/package
DEB = $(PACKAGE_DIR)/zandor-bingo_$(VERSION)_$(shell dpkg --print-architecture).deb
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

all: build

deps:
	@./scripts/install-deps.sh

# Every program the tests, benchmarks, scripts and CI call comes from a listed package.
check-deps: deps
	@./scripts/check-deps.py

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
	@./build/default/sim/zandor-sim --games 100000 --seed 1 --check

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

fuzz-ci: fuzz
	@./tests/fuzz/run-fuzzers.sh build/fuzz/tests/fuzz $(FUZZ_SECONDS)

format:
	@clang-format -i $(SOURCES)

format-check:
	@clang-format --dry-run --Werror $(SOURCES)

package: deps
	@cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DZANDOR_BUILD_TESTS=OFF -DZANDOR_BUILD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS | sed "s/^-g //; s/ -g / /")" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" >/dev/null
	@cmake --build $(PACKAGE_DIR) -j 2
	@cd $(PACKAGE_DIR) && cpack >/dev/null
	@echo "$(DEB)"

# The package's checks: its files, desktop file, metadata, manual page and command line, the game
# started from the unpacked tree under a private Xvfb, control fields, contents and lintian.
package-check: package
	@./tests/package/check-package.sh --deb $(DEB)

# The same checks, then the package installed with apt, the installed game started once under a
# private Xvfb, and the package purged again (root, or sudo).
package-install-check: package
	@./tests/package/check-package.sh --deb $(DEB)
	@./tests/package/install-check.sh $(DEB)

clean:
	@rm -rf build
