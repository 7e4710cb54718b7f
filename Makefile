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

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
