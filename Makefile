# Build and test entry points; see README.md.
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN32DIR := build/win32
WIN64DIR := build/win64

.PHONY: all deps build native win32 win64 check unit tool-tests wine-unit e2e run admin bench fuzz clean

all: build

deps:
	@tools/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DTSR_SANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

win32: deps
	@cmake -S . -B $(WIN32DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32DIR) -j$(JOBS)

win64: deps
	@cmake -S . -B $(WIN64DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN64DIR) -j$(JOBS)

build: native win32 win64

# One test program per program and one for the shared services.
unit: native
	@for t in $$(cat $(NATIVE)/tests/test_programs.txt); do \
	  echo "== $$t"; $(NATIVE)/tests/$$t --gtest_brief=1 || exit 1; done

# The bench scripts, the built files themselves (import tables) and the
# workbook writer read back by an outside reader (native build), no Wine.
tool-tests: native win32 win64
	@for t in tests/tools/*_test.sh; do $$t || exit 1; done

# Every flavour that can run on this machine (see README).
wine-unit: win32 win64
	@tools/wine/unit-tests.sh

e2e: win32 win64
	@tests/e2e/run-all.sh

check: build unit tool-tests wine-unit e2e
	@tools/wine/check-summary.sh

run: win32 win64
	@tools/wine/run-sample.sh

admin: win32 win64
	@tools/wine/run-sample.sh admin

bench: win32 win64
	@tools/bench.sh

fuzz: deps
	@tools/fuzz.sh

clean:
	rm -rf build
