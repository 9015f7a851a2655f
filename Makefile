# Zib: `make run` builds and starts the editor under Wine; `make test` builds
# every configuration and runs every test.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
# Wine entries of make test side by side, each with its own prefix and Xvfb.
WINE_SLOTS ?= 2
BUILD := build

.PHONY: all deps build native win64 win32 run test dist screenshots stress fuzz bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/native/Makefile: | deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

$(BUILD)/win64/Makefile: | deps
	cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null

$(BUILD)/win32/Makefile: | deps
	cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null

native: $(BUILD)/native/Makefile
	$(MAKE) --no-print-directory -C $(BUILD)/native -j$(JOBS)

win64: $(BUILD)/win64/Makefile
	$(MAKE) --no-print-directory -C $(BUILD)/win64 -j$(JOBS)

win32: $(BUILD)/win32/Makefile
	$(MAKE) --no-print-directory -C $(BUILD)/win32 -j$(JOBS) Zib zib_unit

build: native win64 win32

run: deps win64
	scripts/run.sh

test: deps build
	scripts/wine-prefix.sh
	for slot in $$(seq 1 $$(( $(WINE_SLOTS) - 1 ))); do \
	  ZIB_WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix-$$slot scripts/wine-prefix.sh --copy-of $(CURDIR)/$(BUILD)/wineprefix; \
	done
	ctest --test-dir $(BUILD)/native -j$(JOBS) --output-on-failure
	ZIB_WINE_SLOTS=$(WINE_SLOTS) ctest --test-dir $(BUILD)/win64 -j$(WINE_SLOTS) --output-on-failure

# The release: build/dist/Zib-<version>.zip, its SHA-256 and the manifests.
dist: deps native win32
	scripts/dist.sh

# The README's pictures (docs/*.png), from the real program under Wine on a
# display with a window manager.
screenshots: deps win64
	scripts/screenshots.sh

# Memory exhaustion end to end on a document of 1.5 million lines (minutes).
stress: deps win64
	scripts/stress.sh

fuzz: deps native
	scripts/fuzz.sh

bench: deps native
	$(BUILD)/native/zib_bench

clean:
	rm -rf $(BUILD)
