# The two commands of a fresh Debian 12 machine:
#   make demo   builds and runs the demo tool (screenshot under Xvfb when there is no display)
#   make test   builds both halves and runs every test in one ctest run
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all setup linux windows demo test bench clean

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

demo: linux
	@scripts/demo.sh

test: linux windows
	@scripts/run-tests.sh

bench: linux windows
	@scripts/bench.sh
	@build/linux/bin/bench_mibdb --benchmark_color=false
	@scripts/bench-native.sh

clean:
	rm -rf build
