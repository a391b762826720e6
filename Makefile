# Everyday commands. Each first installs the Debian packages the project needs.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=
CTEST_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all deps configure build run test test-unit install bench fuzz format lint clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

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

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	@if git ls-files '*.qml' | grep -q .; then /usr/lib/qt6/bin/qmllint -I $(BUILD)/qml $$(git ls-files '*.qml') || true; fi

clean:
	rm -rf $(BUILD)
