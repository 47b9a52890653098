# Set-up, build and test in one command each; see README.md.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench asan fuzz package format-check translations-update translations-check windows-test clean

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

# Every C++ file as the checked-in .clang-format writes it; a difference fails.
format-check: deps
	./scripts/install-deps.sh clang-format
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# Translations. Every user-visible text of ui/ and app/ is written in Russian
# inside tr("…") (QCoreApplication::translate("Context", "…") outside QObject
# classes; tr("%n тиражей", nullptr, n) where a number precedes a noun).
# After adding or changing such texts:
#   make translations-update   # refreshes translations/veldoran_en.ts and veldoran_ru.ts
# then write each new entry's English in translations/veldoran_en.ts (Qt
# Linguist, or the XML by hand: fill <translation>, drop type="unfinished";
# for %n, two <numerusform>s; the glossary is in the file's first comment) and,
# for a new "%n …" text, the three Russian forms in veldoran_ru.ts.
#   make translations-check    # fails when a .ts is out of date or unfinished
translations-update: deps
	./scripts/translations.sh update

translations-check: deps
	./scripts/translations.sh check

# Benchmarks in an optimised build of their own.
bench: deps
	cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
	cmake --build build-release -j $(JOBS) --target analysis_bench window_bench memory_bench feature_bench pair_map_bench report_bench startup_bench wheel_bench download_bench tickets_bench history_store_bench
	./build-release/bench/analysis_bench
	./build-release/bench/window_bench
	./build-release/bench/feature_bench
	QT_SCALE_FACTOR=1 ./build-release/bench/pair_map_bench
	QT_SCALE_FACTOR=2 ./build-release/bench/pair_map_bench
	./build-release/bench/report_bench
	./build-release/bench/memory_bench
	./build-release/bench/startup_bench
	./build-release/bench/wheel_bench
	./build-release/bench/download_bench
	XDG_DATA_HOME=$$(mktemp -d) ./build-release/bench/history_store_bench
	./build-release/bench/tickets_bench

# The whole suite, window tests included, under AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails it.
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELDORAN_BUILD_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The loader and the import fuzzed for FUZZ_SECONDS each (60 by default); a
# finding fails the run and is kept in tests/fuzz/regressions or
# tests/fuzz/import-regressions, which the test suite replays.
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    -fsanitize-coverage-ignorelist=$(CURDIR)/tests/fuzz/coverage-ignorelist.txt
fuzz: deps
	./scripts/install-deps.sh clang libclang-rt-14-dev
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DVELDORAN_BUILD_TESTS=OFF -DVELDORAN_BUILD_BENCH=OFF -DVELDORAN_BUILD_FUZZ=ON \
	    -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build build-fuzz -j $(JOBS) --target draw_file_fuzzer import_fuzzer
	mkdir -p build-fuzz/corpus build-fuzz/import-corpus
	./build-fuzz/tests/fuzz/draw_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=2048 -print_final_stats=1 \
	    -artifact_prefix=tests/fuzz/regressions/ build-fuzz/corpus tests/fuzz/corpus
	./build-fuzz/tests/fuzz/import_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
	    -artifact_prefix=tests/fuzz/import-regressions/ build-fuzz/import-corpus tests/fuzz/import-corpus

# The Debian package in build-package/, checked with lintian and the
# AppStream metadata with appstreamcli; an error from either fails it.
package: deps
	./scripts/install-deps.sh dpkg-dev file lintian appstream desktop-file-utils
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
	    -DVELDORAN_BUILD_TESTS=OFF -DVELDORAN_BUILD_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB
	desktop-file-validate build-package/veldoran.desktop
	appstreamcli validate --no-net desktop/veldoran.metainfo.xml
	lintian --fail-on error build-package/veldoran_*.deb
	./scripts/check-package.sh

# The analysis core built as Windows programs with MinGW-w64 and its tests run
# under Wine; the windows themselves need Qt for Windows, which Debian lacks.
windows-test:
	./scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 googletest
	cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVELDORAN_ANALYSIS_ONLY=ON \
	    -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-windows -j $(JOBS)
	cd build-windows && WINEDEBUG=-all ctest --output-on-failure \
	    && grep -hE '^\[(==========|  PASSED  |  SKIPPED )\]' Testing/Temporary/LastTest.log

clean:
	rm -rf $(BUILD_DIR) build-release build-asan build-fuzz build-package build-windows
