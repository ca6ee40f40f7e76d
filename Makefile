# SPDX-License-Identifier: GPL-3.0-or-later
# The README's two commands: `make run` builds the game alone and starts it; `make test` builds
# everything and runs the suite. Each installs what it is missing first.
# `make package` and `make test-windows` install their own extra tools; neither is part of `make test`.
BUILD      ?= build
GAME_BUILD ?= build-game
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
WIN_BUILD  ?= build-windows
WIN_CHECK_BUILD ?= build-windows-check
QT_WINDOWS ?= $(or $(MARNELOK_QT_WINDOWS),$(HOME)/.cache/marnelok/qt-6.4.2-mingw64)
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

# The game alone, in a folder of its own so that `make run` and `make test` never undo each
# other's work: no tests, benchmarks or tools (the options are on for a plain configuration).
# Ninja, because it finds nothing to do in a fifth of a second where make's recursion takes
# seconds.
GAME_OPTIONS = -G Ninja -DMARNELOK_TESTS=OFF -DMARNELOK_BENCHMARKS=OFF -DMARNELOK_TOOLS=OFF
# What the program needs beside it; the translations are linked in.
GAME_TARGETS = marnelok marnelok_chart_windows_module

# $(call configure,FOLDER,OPTIONS): configures FOLDER unless it was configured with exactly these
# options (afresh when it was with others); afterwards, `cmake --build` reconfigures by itself
# when a CMakeLists.txt changes.
define configure
options='$(strip $(2))'; stamp=$(1)/.make-options; \
if [ ! -f $(1)/CMakeCache.txt ] || [ "$$(cat $$stamp 2>/dev/null)" != "$$options" ]; then \
  fresh=; [ -f $$stamp ] && fresh=--fresh; \
  cmake $$fresh -S . -B $(1) $$options >/dev/null && printf '%s\n' "$$options" > $$stamp; \
fi
endef

.PHONY: all deps game-deps build game run test test-normal test-asan fuzz package windows test-windows bench format clean

all: build

deps:
	@bash scripts/install-deps game tests

game-deps:
	@bash scripts/install-deps game

build: deps
	@$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS))
	@cmake --build $(BUILD) -j$(JOBS)

game: game-deps
	@$(call configure,$(GAME_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo $(GAME_OPTIONS) $(CMAKE_ARGS))
	@cmake --build $(GAME_BUILD) -j$(JOBS) --target $(GAME_TARGETS)

run: game
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ] && [ -z "$${QT_QPA_PLATFORM:-}" ]; then \
	  echo "make run: no display found; start Marnelok under a virtual one with: xvfb-run -s '-screen 0 1280x1024x24' $(GAME_BUILD)/marnelok"; \
	  exit 1; \
	fi
	@$(GAME_BUILD)/marnelok

# The whole suite, first in the normal build, then under AddressSanitizer and UBSan.
test: test-normal test-asan

test-normal: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: deps
	@$(call configure,$(ASAN_BUILD),-DCMAKE_BUILD_TYPE=Debug -DMARNELOK_SANITIZE=ON -DMARNELOK_BENCHMARKS=OFF $(CMAKE_ARGS))
	@cmake --build $(ASAN_BUILD) -j$(JOBS)
	@cd $(ASAN_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j$(JOBS)

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

# The Debian package, marnelok_<version>_amd64.deb in $(BUILD)/, checked by lintian.
package: build
	@bash scripts/install-deps-package
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@version=$$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(BUILD)/CMakeCache.txt) && \
	  deb=$(BUILD)/marnelok_$${version}_$$(dpkg --print-architecture).deb && \
	  echo "$$deb" && lintian --fail-on error,warning "$$deb" && echo "lintian: no errors, no warnings"

# The whole program for 64-bit Windows (docs/windows.md): Qt built once into $(QT_WINDOWS) when
# it is not there yet, then the program, its installer and its zip in $(WIN_BUILD)/.
windows:
	@bash scripts/install-deps-windows
	@MARNELOK_QT_WINDOWS=$(QT_WINDOWS) bash scripts/build-qt-windows
	@cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARNELOK_BENCHMARKS=OFF \
	  -DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS)/lib/cmake/Qt6/qt.toolchain.cmake \
	  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake $(CMAKE_ARGS) >/dev/null
	@cmake --build $(WIN_BUILD) -j$(JOBS)
	@bash windows/package $(WIN_BUILD)

# Under Wine: the parts that need no Qt (one static program), the suite built for Windows on
# Qt's offscreen platform, and a whole game from the installer on under Xvfb (checked against
# the Linux program of `make game` on the same deal).
test-windows: windows game
	@cmake -S windows -B $(WIN_CHECK_BUILD) \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/windows/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN_CHECK_BUILD) -j$(JOBS)
	@bash scripts/run-windows-tests $(WIN_CHECK_BUILD)/marnelok_windows_tests.exe
	@cmake --build $(WIN_BUILD) -j$(JOBS) --target windows_tests
	@bash scripts/run-windows-tests --suite $(WIN_BUILD)
	@bash scripts/windows-e2e $(WIN_BUILD) $(GAME_BUILD)

bench: build
	@$(BUILD)/bench/marnelok_bench_game
	@$(BUILD)/bench/marnelok_bench_paint
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/marnelok_bench_statistics
	@$(BUILD)/bench/marnelok_bench_review --games 10 --threads 2
	@xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bench/marnelok_bench_startup \
	  $(CURDIR)/$(BUILD)/bench/marnelok_bare_window $(CURDIR)/$(BUILD)/marnelok
	@bash bench/memory_game.sh $(BUILD) 3

# The project's .clang-format over the whole tree; the suite fails while a file differs.
format: deps
	@bash scripts/format

clean:
	rm -rf $(BUILD) $(GAME_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) $(WIN_CHECK_BUILD)
