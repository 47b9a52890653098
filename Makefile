# Set-up, build and test in one command each; see README.md.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Starts in the repository root, where the Help window finds help.txt.
run: build
	./$(BUILD_DIR)/app/veldoran

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Benchmarks in an optimised build of their own.
bench: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
	cmake --build build-release -j $(JOBS) --target analysis_bench window_bench
	./build-release/bench/analysis_bench
	./build-release/bench/window_bench

clean:
	rm -rf $(BUILD_DIR) build-release
