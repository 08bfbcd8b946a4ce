# The two commands of a fresh Debian 12 machine:
#   make demo   builds and runs the demo tool and the native MIB browser (screenshots under Xvfb
#               when there is no display)
#   make test   builds both halves and runs every test in one ctest run
# and for a tool developer:
#   make install PREFIX=DIR [WINPREFIX=DIR]   installs the Motif half into PREFIX and the native
#                                             half (cross-built) into WINPREFIX
#   make reference                            renders the reference pages into docs/reference
JOBS ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
WINPREFIX ?= $(PREFIX)/windows

.PHONY: all setup linux windows asan demo test test-asan bench install reference clean
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
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCVGUI_HOST_MIBDB=$(CURDIR)/build/linux/share/cvgui/mib.db >/dev/null
	@cmake --build build/windows -j $(JOBS)

# The sanitizer tree: a third build of the Linux half with AddressSanitizer and UBSan. The
# build runs mibtool to compile the default database; leaks are looked for in the tests only.
asan: setup
	@cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCVGUI_SANITIZE=ON >/dev/null
	@ASAN_OPTIONS=detect_leaks=0 cmake --build build/asan -j $(JOBS)

demo: linux windows
	@scripts/demo.sh

test: linux windows
	@scripts/run-tests.sh

test-asan: asan
	@scripts/test-asan.sh

bench: linux windows
	@scripts/bench.sh
	@build/linux/bin/bench_mibdb --benchmark_color=false
	@scripts/bench-native.sh

install: linux windows
	@cmake --install build/linux --prefix $(PREFIX)
	@cmake --install build/windows --prefix $(WINPREFIX)

reference: linux
	@scripts/reference.sh build/linux/share/man/man3 docs/reference

clean:
	rm -rf build
