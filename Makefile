# Entry points; CMake does the real work. `make test` and `make run` need
# nothing but a Debian machine: they install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run ci sanitize fuzz windows bench package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

# Every test again under AddressSanitizer and UBSan, in build-asan/.
sanitize:
	@bash scripts/check-sanitize.sh

# The libFuzzer targets, each for a bounded time.
fuzz:
	@bash scripts/check-fuzz.sh

# Cross-build for Windows with MinGW-w64 and run the unit tests under Wine.
windows:
	@bash scripts/check-windows.sh

# The benchmarks, built for speed in build-bench/: the engine's search and
# the chemistry reading, then the window on pasted megabytes.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target quorvel_bench quorvel_window_bench
	@build-bench/bench/quorvel_bench
	@build-bench/bench/quorvel_window_bench

# The Debian package, in $(BUILD)/.
package: build
	@cd $(BUILD) && cpack -G DEB

# Everything CI checks, in order.
ci: test sanitize fuzz windows

clean:
	rm -rf $(BUILD)
