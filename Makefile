# Everyday commands. Each first installs the Debian packages its profile needs
# (scripts/install-deps: run, package, test, bench).
BUILD ?= build
PACKAGE_BUILD ?= $(BUILD)/package
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=
PACKAGE_CMAKE_FLAGS ?=
CTEST_FLAGS ?=
PREFIX ?= /usr/local

# The profile of the command asked for; the prerequisites inherit it.
PROFILE = run
test test-unit lint fuzz sanitize sanitize-address sanitize-thread: PROFILE = test
bench: PROFILE = bench
# Tests and benchmarks are built only by the commands that run them.
profile_flags_run = -DZEFFIRA_BUILD_TESTS=OFF -DZEFFIRA_BUILD_BENCH=OFF
profile_flags_test = -DZEFFIRA_BUILD_TESTS=ON -DZEFFIRA_BUILD_BENCH=ON \
                     -DZEFFIRA_PACKAGE_DIR=$(abspath $(PACKAGE_BUILD))
profile_flags_bench = -DZEFFIRA_BUILD_BENCH=ON

.PHONY: all deps configure build run test test-unit install bench package fuzz format lint clean \
        translations check-translations sanitize sanitize-address sanitize-thread

all: build

deps:
	@scripts/install-deps $(PROFILE)

configure: deps
	@cmake -S . -B $(BUILD) $(profile_flags_$(PROFILE)) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds and starts the application.
run: build
	$(BUILD)/src/zeffira $(ARGS)

# Builds and runs every test (unit, integration, QML, and the checks of the Debian package, whose
# fixture makes the package).
test: build
	cd $(BUILD) && ctest --output-on-failure $(CTEST_FLAGS)

test-unit: build
	cd $(BUILD) && ctest --output-on-failure -L unit $(CTEST_FLAGS)

install: build
	cmake --install $(BUILD)

# The Debian package, in a tree of its own: for /usr, with Debian's hardening flags, without
# tests; CPack packs what `cmake --install` installs. Leaves $(PACKAGE_BUILD)/zeffira_*.deb.
package:
	@scripts/install-deps package
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZEFFIRA_BUILD_TESTS=OFF -DZEFFIRA_BUILD_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    -DCMAKE_SHARED_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    $(PACKAGE_CMAKE_FLAGS) >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	@cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls -1 $(PACKAGE_BUILD)/zeffira_*.deb

# Builds and runs the benchmarks; each prints ratios against a baseline measured in the same run,
# and the end one summary of every goal. QUICK=1: fewer runs and shorter phases (bench/README.md).
BENCH_SUMMARY = $(abspath $(BUILD))/bench-summary.tsv
bench: build
	@rm -f $(BENCH_SUMMARY)
	@for b in $(BUILD)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then \
		ZEFFIRA_BENCH_SUMMARY=$(BENCH_SUMMARY) "$$b" $(if $(QUICK),--quick) || exit 1; fi; done
	@for b in bench/*.sh; do [ -f "$$b" ] && ZEFFIRA_BENCH_SUMMARY=$(BENCH_SUMMARY) BUILD=$(BUILD) \
		bash "$$b" $(if $(QUICK),--quick) || true; done
	@python3 bench/summary.py $(BENCH_SUMMARY) catalogue search playback tray

# Builds the core with clang and libFuzzer in $(FUZZ_BUILD) and runs each tests/fuzz/fuzz_*
# target for FUZZ_SECONDS on a copy of its seeds; a crash stops with the failing input saved.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DZEFFIRA_FUZZ=ON \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for src in tests/fuzz/fuzz_*.cpp; do \
		name=$$(basename $$src .cpp); short=$${name#fuzz_}; \
		work=$(FUZZ_BUILD)/corpus/$$short; mkdir -p $$work $(FUZZ_BUILD)/crashes; \
		echo "fuzz: $$name for $(FUZZ_SECONDS) s"; \
		$(FUZZ_BUILD)/tests/fuzz/$$name -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/crashes/$$name- $$work tests/fuzz/corpus/$$short \
			2>$(FUZZ_BUILD)/$$name.log || { tail -n 60 $(FUZZ_BUILD)/$$name.log; exit 1; }; \
		grep -E 'stat::number_of_executed_units|stat::new_units_added' $(FUZZ_BUILD)/$$name.log; \
	done

# The player, backend and store tests under the sanitizers, each build in a folder of its own
# with only the tests' targets: AddressSanitizer with UndefinedBehaviorSanitizer, then
# ThreadSanitizer. Any report fails the run. Reports inside GLib, GStreamer and Qt, which are not
# instrumented, are suppressed by tests/sanitizers/*.supp, each entry with its reason; our own code
# never is. The assertions (the main-thread checks) are on. SANITIZE_TESTS: which tests.
# (die_after_fork=0: GStreamer forks its plugin scanner, which only execs, from a threaded process.)
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
SANITIZE_TESTS ?= tst_radioplayer tst_sleepwake tst_skipchain tst_playlistresolver tst_gstbackend \
                  tst_settingsstore tst_storefiles tst_stationmanager tst_catalogueediting
SANITIZERS_DIR = $(abspath tests/sanitizers)
# ccache, where there is one, keeps a rebuild of these folders short (also in another clone:
# paths under the sources are hashed relative to them).
SANITIZE_LAUNCHER = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
empty :=
space := $(empty) $(empty)
, := ,
# $(1) the build folder, $(2) the sanitizers, $(3) the environment the tests run in, $(4) more
# targets to build.
define sanitized_run
	@cmake -S . -B $(1) -DZEFFIRA_SANITIZE=$(2) -DZEFFIRA_ASSERTS=ON -DZEFFIRA_BUILD_TESTS=ON \
		-DZEFFIRA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo $(SANITIZE_LAUNCHER) $(CMAKE_FLAGS) >/dev/null
	@CCACHE_BASEDIR=$(CURDIR) cmake --build $(1) -j $(JOBS) --target $(SANITIZE_TESTS) $(4)
	@cd $(1) && env $(3) ctest --output-on-failure -R '^($(subst $(space),|,$(strip $(SANITIZE_TESTS))))$$' $(CTEST_FLAGS)
endef

sanitize: sanitize-address sanitize-thread

sanitize-address: deps
	$(call sanitized_run,$(ASAN_BUILD),address$(,)undefined,\
		ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
		LSAN_OPTIONS=suppressions=$(SANITIZERS_DIR)/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1)

sanitize-thread: deps
	$(call sanitized_run,$(TSAN_BUILD),thread,\
		TSAN_OPTIONS=suppressions=$(SANITIZERS_DIR)/tsan.supp:print_suppressions=0:second_deadlock_stack=1:die_after_fork=0 \
		LD_PRELOAD=$(abspath $(TSAN_BUILD))/tests/libzeffira_tsan_clone.so,zeffira_tsan_clone)

# Brings translations/*.ts up to date with the sources: new texts come in marked unfinished,
# texts gone from the sources leave. Translate the unfinished ones, then check-translations.
# (The build tree keeps its own settings: tests stay built if they were.)
translations: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) --target update_translations

# Fails when a text of the UI is not marked for translation or a .ts is not complete.
check-translations:
	@scripts/check-translations

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@if git ls-files '*.qml' | grep -q .; then \
		scripts/qmllint-check /usr/lib/qt6/bin/qmllint -I $(BUILD)/qml -- $$(git ls-files '*.qml'); fi

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD)
