# make run · make test · make bench · make fuzz · make format · make install · make package
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
RELEASE_DIR ?= build-release
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
# -1: no limit on the number of inputs, only on the time (FUZZ_SECONDS=0: none on the time).
FUZZ_RUNS ?= -1
# Ninja comes with the packages that every target installs first.
GENERATOR := -G Ninja
JOBS ?= 2

.PHONY: all deps build-deps configure build run test bench fuzz format clean release install package

all: build

# Everything the tests, benchmarks and fuzzing need; build-deps only what building, running and
# packaging the programs needs.
deps:
	@scripts/install-deps

build-deps:
	@scripts/install-deps --build

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMOSAIKON_TESTS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds no test, so that it needs none of the test tools; `make test` builds them in the same
# folder later.
run: build-deps
	@cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMOSAIKON_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target mosaikon
	$(BUILD_DIR)/mosaikon

# Every test runs a second time under the address and undefined-behaviour sanitizers, the
# end-to-end tests with the sanitized program; any report fails the run (tests/CMakeLists.txt).
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	@cmake -S . -B $(SANITIZE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMOSAIKON_GUI=ON \
		-DMOSAIKON_SANITIZE=ON -DMOSAIKON_TESTS=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target benchmarks mosaikon-thumbnailer mosaikon-convert
	@for program in $(BENCH_DIR)/bench/bench_*; do \
		QT_QPA_PLATFORM=offscreen $$program --benchmark_repetitions=5 \
			--benchmark_report_aggregates_only=true || exit 1; \
	done
	@bench/bench-thumbnailer $(BENCH_DIR)/mosaikon-thumbnailer
	@bench/bench-convert-photo $(BENCH_DIR)/mosaikon-convert
	@bench/bench-convert-many $(BENCH_DIR)/mosaikon-convert 1000 1

# Every fuzz target runs FUZZ_SECONDS from the seeds in fuzz/corpus/NAME; what it finds goes to
# fuzz/corpus-run/NAME, the committed seeds stay as they are. An input that crashes a target is
# kept in FUZZ_DIR/crashes/ and fails the run. Inputs grow up to the longest file the reader
# takes, beyond libFuzzer's default of 4,096 bytes: a little past the largest animation (24,581
# bytes) for decode and the viewer modules, so that trailing bytes come too; the import's limit
# of 64 KiB for bmp; 16 KiB for image, room for small animations in every format Qt reads; 64 KiB
# for messages, room for a listing of some hundred parts; thumbnail takes the size in one byte
# before the file.
fuzz: deps
	@if ! command -v clang++ >/dev/null; then echo "fuzz: clang++ is not installed"; exit 1; fi; \
	cmake -S . -B $(FUZZ_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DMOSAIKON_GUI=OFF -DMOSAIKON_FUZZ=ON >/dev/null && \
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers && \
	for program in $(FUZZ_DIR)/fuzz/fuzz_*; do \
		name=$$(basename $$program); name=$${name#fuzz_}; \
		mkdir -p fuzz/corpus-run/$$name $(FUZZ_DIR)/crashes; \
		case $$name in decode|pixbufloader|qtplugin) max_len=24600;; thumbnail) max_len=24601;; \
			bmp|messages) max_len=65536;; image) max_len=16384;; *) max_len=4096;; esac; \
		$$program -max_total_time=$(FUZZ_SECONDS) -runs=$(FUZZ_RUNS) -max_len=$$max_len \
			-print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/crashes/$$name- \
			fuzz/corpus-run/$$name fuzz/corpus/$$name || exit 1; \
	done

# The programs, the viewer modules and their documents alone, optimised and hardened with
# Debian's build flags (immediate binding included), for installing and packaging.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
release: build-deps
	@cmake -S . -B $(RELEASE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DMOSAIKON_TESTS=OFF \
		-DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)" \
		-DCMAKE_MODULE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)" >/dev/null
	@cmake --build $(RELEASE_DIR) -j $(JOBS) --target mosaikon_installed

# The programs, their manual pages, the desktop entry, file types, thumbnailer entry, AppStream
# file and icons under PREFIX (and DESTDIR, if given).
install: release
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# A Debian package in RELEASE_DIR; dpkg-shlibdeps works out its dependencies, and lintian
# must find nothing to warn about.
package: release
	cd $(RELEASE_DIR) && cpack -G DEB
	lintian --fail-on error,warning $(RELEASE_DIR)/mosaikon_*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(SANITIZE_DIR) $(RELEASE_DIR)
