# The two commands of the project: `make test` and `make run`. Each installs the Debian
# packages it needs first. The other targets are the steps they are made of.
FUZZ_SECONDS ?= 10

.PHONY: test run deps native asan windows wine-tests installer fuzz bench bench-wine clean

test: deps native asan fuzz wine-tests

deps:
	@scripts/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native
	ctest --preset native

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows

wine-tests: windows
	scripts/with-wine.sh ctest --preset windows

# The Windows installer (NSIS): build/windows/installer/TobrinPlusSetup.exe.
installer: windows
	cmake --build --preset windows --target installer

# Every fuzz target for FUZZ_SECONDS each (longer on demand: make fuzz FUZZ_SECONDS=600).
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

bench: deps
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	scripts/run-benchmarks.sh build/bench

# Tobrin's start-up, the Explorer component's menu against one profile read, and the
# settings program's start and apply.
bench-wine: windows
	scripts/with-wine.sh wine build/windows/tests/wine/e2e/e2e_startup_bench.exe
	scripts/with-wine.sh wine build/windows/tests/wine/shellext/shellext_bench.exe
	scripts/with-wine.sh wine build/windows/tests/wine/e2e/e2e_settings_start_bench.exe
	scripts/with-wine.sh wine build/windows/tests/wine/e2e/e2e_settings_apply_bench.exe

run: deps windows
	scripts/with-wine.sh scripts/run-demo.sh

clean:
	rm -rf build
