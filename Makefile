# Set-up and everyday commands. Each installs what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps configure build test-build run test clean sanitize-build sanitize-suite test-sanitize tsan-build test-tsan test-stall fuzz fuzz-build fuzz-long soak \
        bench footprint package windows test-windows windows-suite startup startup-windows

all: build

# The packages of the program, the simulated device and the demo; those of
# the tests and the other checks come with the targets that need them (which
# set DEPS_ARGS = --test where they build through build).
deps:
	@bash scripts/install-deps.sh $(DEPS_ARGS)
test-deps:
	@bash scripts/install-deps.sh --test

# A fresh build folder is configured without the tests, which make run needs
# neither the packages nor the time of; one that has the tests keeps them.
configure: deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DKORDAVEL_BUILD_TESTS=OFF) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory -s

# The same build folder with the tests.
test-build: test-deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDAVEL_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory -s

# Starts the utility; without a real device it runs on a simulated one.
run: build
	@bash scripts/run.sh $(BUILD)

test: test-build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD)

# The whole test suite once more, built with AddressSanitizer and UBSan
# (sanitize-build only builds it, sanitize-suite only runs it).
SAN_BUILD ?= build-asan
sanitize-build: test-deps
	@cmake -S . -B $(SAN_BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug -DKORDAVEL_SANITIZE=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS) -- --no-print-directory -s
test-sanitize: sanitize-build
	@$(MAKE) --no-print-directory sanitize-suite
sanitize-suite:
	@cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The core's tests, the cycle's hand-off to its worker threads among them,
# under ThreadSanitizer, and a planted race that must still be reported
# (tests/support/tsan_check.sh). They need no GUI, which is not built here
# (tsan-build only builds them).
TSAN_BUILD ?= build-tsan
tsan-build: test-deps
	@cmake -S . -B $(TSAN_BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug -DKORDAVEL_TSAN=ON >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_core -- --no-print-directory -s
test-tsan: tsan-build
	@bash tests/support/tsan_check.sh $(TSAN_BUILD)

# The program on a device whose file system holds its calls (FUSE, so root or
# a user allowed to mount FUSE): the window's thread is never in a held call,
# and closing the window ends the program at once (tests/stall/stall_test.sh).
test-stall: test-deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDAVEL_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target kordavel-config kordavel-device-sim kordavel-stallfs -- --no-print-directory -s
	@bash tests/stall/stall_test.sh $(BUILD)

# libFuzzer runs of the version-file parser, the simulated device's HEX reader,
# the drive-table parser, the mountinfo parser and the fleet standard's
# parser, FUZZ_SECONDS each, JOBS at a time.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = versionfile hexreader drivetable mountinfo fleetstandard
fuzz-build: test-deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKORDAVEL_FUZZ=ON -DKORDAVEL_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS)) -- --no-print-directory -s

fuzz: fuzz-build
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS) $(FUZZ_TARGETS)

# Each fuzz target to FUZZ_RUNS executions (10 million), with the coverage it
# reached and any finding; the corpus grows in $(FUZZ_BUILD)/corpus-<target>.
# The executions run in processes of FUZZ_CHUNK each on the same corpus: one
# libFuzzer process slows to a third of its speed over millions of runs as
# the sanitizer's heap grows, a fresh one starts at full speed.
FUZZ_RUNS ?= 10000000
FUZZ_CHUNK ?= 1000000
fuzz-long: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus-$$t && cp -n fuzz/corpus/$$t/* $(FUZZ_BUILD)/corpus-$$t/ ; \
	  echo "== fuzzing $$t to $(FUZZ_RUNS) executions"; start=$$(date +%s); done_runs=0; \
	  log=$(FUZZ_BUILD)/fuzz-long-$$t.log; : > $$log; \
	  while [ $$done_runs -lt $(FUZZ_RUNS) ]; do \
	    runs=$$(( $(FUZZ_RUNS) - done_runs )); [ $$runs -gt $(FUZZ_CHUNK) ] && runs=$(FUZZ_CHUNK); \
	    ASAN_OPTIONS=detect_leaks=0 $(FUZZ_BUILD)/fuzz/fuzz_$$t -runs=$$runs -print_final_stats=1 \
	      -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus-$$t >> $$log 2>&1; rc=$$?; \
	    if [ $$rc -ne 0 ]; then grep -E "ERROR|SUMMARY" $$log; tail -n 40 $$log; exit 1; fi; \
	    done_runs=$$(( done_runs + runs )); \
	  done; \
	  echo "$$t: $$done_runs executions in $$(( $$(date +%s) - start )) s," \
	    "$$(grep -E 'DONE' $$log | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+'), no finding"; \
	done

# A working day of ticks (SOAK_TICKS) on a simulated device; prints what the
# process holds after the warm-up and at the end.
SOAK_TICKS ?= 100000
soak: test-build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen KORDAVEL_SOAK_TICKS=$(SOAK_TICKS) ./tests/test_soak

# How late the window appears against a bare Qt window (STARTS alternating
# starts each, on Xvfb): the Linux build, and the Windows build under wine.
STARTS ?= 21
startup: DEPS_ARGS = --test
startup: test-deps build
	@bash bench/startup.sh linux $(BUILD) $(STARTS)
startup-windows: build windows
	@bash bench/startup.sh windows $(WIN_BUILD) $(BUILD) $(STARTS)

# Costs of a poll tick against spawning a drive-listing tool, as ratios.
bench: test-deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" -DKORDAVEL_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target kordavel-bench -- --no-print-directory -s
	@$(BUILD)/kordavel-bench --benchmark_min_time=0.2

# Resident memory and idle CPU of the running utility over 60 seconds.
footprint: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kordavel-config -- --no-print-directory -s
	@bash scripts/footprint.sh $(BUILD)

# The Debian package, in build/.
package: DEPS_ARGS = --test
package: test-deps build
	@cd $(BUILD) && cpack -G DEB

# The Windows build (cross-compiled with mingw-w64) in build-windows/: the
# program, its deploy folder, the zip, the setup program and the MSI, the
# tests, the device simulator and the demo. Signed when given a certificate:
#   make windows SIGN_PKCS12=cert.p12 SIGN_PASSWORD_FILE=password.txt [SIGN_TIMESTAMP_URL=http://...]
# (unsigned when they are not given, also after a signed build).
WIN_BUILD ?= build-windows
SIGN_PKCS12 ?=
SIGN_PASSWORD_FILE ?=
SIGN_TIMESTAMP_URL ?=
windows:
	@bash scripts/install-deps.sh --windows
	@kits=$$(bash scripts/windows-toolkit.sh | tail -n 1) && \
	  triplet=$$(gcc -print-multiarch) && \
	  cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_PREFIX_PATH="$$kits" -DCMAKE_FIND_ROOT_PATH="$$kits" \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$$triplet/cmake \
	    -DKORDAVEL_SIGN_PKCS12="$(if $(SIGN_PKCS12),$(abspath $(SIGN_PKCS12)))" \
	    -DKORDAVEL_SIGN_PASSWORD_FILE="$(if $(SIGN_PASSWORD_FILE),$(abspath $(SIGN_PASSWORD_FILE)))" \
	    -DKORDAVEL_SIGN_TIMESTAMP_URL="$(SIGN_TIMESTAMP_URL)" >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)

# The test suite of the Windows build, under wine.
test-windows: windows
	@$(MAKE) --no-print-directory windows-suite

# The Windows test suite under wine, on the build as it is.
windows-suite:
	@cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS)
