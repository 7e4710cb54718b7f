# Developer shortcuts around ./run.sh and ./test.sh.
BUILD_DIR ?= build

.PHONY: all build run test app screenshots fuzz check-asan bench format clean

all: build

build:
	./scripts/build.sh

run:
	./run.sh

test:
	./test.sh

# The desktop program, built and started.
app:
	NUVRA_BUILD_DIR=$(BUILD_DIR) ./scripts/build.sh
	$(BUILD_DIR)/bin/nuvra

# PNGs of the main window (offscreen platform) in $(BUILD_DIR)/screenshots.
screenshots:
	NUVRA_BUILD_DIR=$(BUILD_DIR) ./scripts/build.sh
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/nuvra-screenshots $(BUILD_DIR)/screenshots

# Every fuzz target for FUZZ_SECONDS each (build-fuzz/, clang + libFuzzer); see fuzz/README.md.
FUZZ_SECONDS ?= 30
fuzz:
	./fuzz/run.sh $(FUZZ_SECONDS)

# The whole build and test suite under AddressSanitizer and UBSan, in build-asan/.
check-asan:
	./scripts/check-asan.sh

# The benchmarks, median of five repetitions each; figures in docs/performance.md.
bench:
	NUVRA_BUILD_DIR=$(BUILD_DIR) ./scripts/bench.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
