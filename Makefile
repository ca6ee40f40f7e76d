# The README's two commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps build run test test-normal test-asan fuzz bench format clean

all: build

deps:
	@bash scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ] && [ -z "$${QT_QPA_PLATFORM:-}" ]; then \
	  echo "make run: no display found; start Marnelok under a virtual one with: xvfb-run -s '-screen 0 1280x1024x24' $(BUILD)/marnelok"; \
	  exit 1; \
	fi
	@$(BUILD)/marnelok

# The whole suite, first in the normal build, then under AddressSanitizer and UBSan.
test: test-normal test-asan

test-normal: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMARNELOK_SANITIZE=ON -DMARNELOK_BENCHMARKS=OFF $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)

# The two fuzz targets under libFuzzer (clang), FUZZ_SECONDS each; new inputs stay in $(FUZZ_BUILD).
fuzz:
	@bash scripts/install-deps clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARNELOK_FUZZ=ON -DMARNELOK_BENCHMARKS=OFF $(CMAKE_ARGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target record_loader_fuzz donate_state_fuzz
	@for t in record_loader donate_state; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t && \
	  $(FUZZ_BUILD)/tests/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) \
	    $(FUZZ_BUILD)/corpus/$$t tests/fuzz/corpus/$$t || exit 1; \
	done

bench: build
	@$(BUILD)/bench/marnelok_bench_game
	@$(BUILD)/bench/marnelok_bench_paint
	@xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench/marnelok_bench_startup \
	  $(CURDIR)/$(BUILD)/bench/marnelok_bare_window $(CURDIR)/$(BUILD)/marnelok

# The project's .clang-format over the whole tree; the suite fails while a file differs.
format: deps
	@bash scripts/format

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
