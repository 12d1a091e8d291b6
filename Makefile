# make run · make test · make bench · make fuzz · make format
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
GENERATOR := $(if $(shell command -v ninja),-G Ninja,)
JOBS ?= 2

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/mosaikon

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target benchmarks
	@for program in $(BENCH_DIR)/bench/bench_*; do \
		QT_QPA_PLATFORM=offscreen $$program --benchmark_repetitions=5 \
			--benchmark_report_aggregates_only=true || exit 1; \
	done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
