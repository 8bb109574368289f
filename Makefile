# Entry points; CMake does the real work. `make test` and `make run` need
# nothing but a Debian machine: they install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run ci sanitize fuzz windows web bench package clean

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

# The chemistry mode as one web page, build-web/quorvel.html, built with
# emscripten and tested in headless Chromium. Debian's emscripten finds its
# JavaScript optimiser's modules only through NODE_PATH.
web:
	@bash scripts/install-deps.sh web
	@NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build build-web -j $(JOBS)
	@ctest --test-dir build-web --output-on-failure

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
package: build web
	@cd $(BUILD) && cpack -G DEB

# Everything CI checks, in order; the page before the packages that ship it.
ci: test web sanitize fuzz windows

clean:
	rm -rf $(BUILD)
