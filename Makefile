# Everyday commands. Each first installs the Debian packages its profile needs
# (scripts/install-deps: run, package, test, bench).
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=
CTEST_FLAGS ?=
PREFIX ?= /usr/local

# The profile of the command asked for; the prerequisites inherit it.
PROFILE = run
test test-unit lint: PROFILE = test
bench: PROFILE = bench
# Tests and benchmarks are built only by the commands that run them.
profile_flags_run = -DZEFFIRA_BUILD_TESTS=OFF -DZEFFIRA_BUILD_BENCH=OFF
profile_flags_test = -DZEFFIRA_BUILD_TESTS=ON -DZEFFIRA_BUILD_BENCH=ON
profile_flags_bench = -DZEFFIRA_BUILD_BENCH=ON

.PHONY: all deps configure build run test test-unit install bench format lint clean

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

# Builds and runs every test (unit, integration, QML).
test: build
	cd $(BUILD) && ctest --output-on-failure $(CTEST_FLAGS)

test-unit: build
	cd $(BUILD) && ctest --output-on-failure -L unit $(CTEST_FLAGS)

install: build
	cmake --install $(BUILD)

# Builds and runs the benchmarks; each prints ratios against a baseline measured in the same run.
bench: build
	@for b in $(BUILD)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done
	@for b in bench/*.sh; do [ -f "$$b" ] && BUILD=$(BUILD) bash "$$b" || true; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@if git ls-files '*.qml' | grep -q .; then /usr/lib/qt6/bin/qmllint -I $(BUILD)/src/ui $$(git ls-files '*.qml') || true; fi

clean:
	rm -rf $(BUILD)
