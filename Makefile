# Build and test entry points; see README.md.
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN32DIR := build/win32
WIN64DIR := build/win64

.PHONY: all deps build native win32 win64 check unit wine-unit e2e run bench fuzz clean

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

unit: native
	@$(NATIVE)/tests/unit_tests --gtest_brief=1

wine-unit: win32 win64
	@tools/wine/unit-tests.sh win32
	@tools/wine/unit-tests.sh win64

e2e: win32 win64
	@tests/e2e/run-all.sh

check: build unit wine-unit e2e
	@echo "make check: all tests passed"

run: win32
	@tools/wine/run-sample.sh

bench: win32
	@tools/bench.sh

fuzz: deps
	@tools/fuzz.sh

clean:
	rm -rf build
