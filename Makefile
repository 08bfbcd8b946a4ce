# The two commands of a fresh Debian 12 machine:
#   make demo   builds and runs the demo tool (screenshot under Xvfb when there is no display)
#   make test   builds both halves and runs every test in one ctest run
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all setup linux windows asan demo test test-asan bench clean
# Each build already runs JOBS compilers: under make -j the two builds take turns rather than
# running 2 x JOBS at once.
.NOTPARALLEL:

all: linux windows

setup:
	@scripts/setup.sh

linux: setup
	@cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build build/linux -j $(JOBS)

windows: setup
	@cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build build/windows -j $(JOBS)

# The sanitizer tree: a third build of the Linux half with AddressSanitizer and UBSan. The
# build runs mibtool to compile the default database; leaks are looked for in the tests only.
asan: setup
	@cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCVGUI_SANITIZE=ON >/dev/null
	@ASAN_OPTIONS=detect_leaks=0 cmake --build build/asan -j $(JOBS)

demo: linux
	@scripts/demo.sh

test: linux windows
	@scripts/run-tests.sh

test-asan: asan
	@scripts/test-asan.sh

bench: linux windows
	@scripts/bench.sh
	@build/linux/bin/bench_mibdb --benchmark_color=false
	@scripts/bench-native.sh

clean:
	rm -rf build
