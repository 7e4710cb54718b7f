# Developer shortcuts around ./run.sh and ./test.sh.
BUILD_DIR ?= build

.PHONY: all build run test app screenshots fuzz check-asan format clean

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

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
