# Quick start: `make run` and `make test`. Both install missing Debian packages first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_OPTS ?= -DQUORVANE_WERROR=ON
PREFIX     ?= /usr/local
BIN        := $(BUILD)/bin

.PHONY: all deps build run test test-asan bench install deb clean

all: build

deps:
	@scripts/deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_OPTS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# With a display: the desktop program. Without one: the sample page, made headless.
run: build
	@scripts/run.sh $(BIN)

test: build
	@scripts/with-xvfb.sh scripts/with-cups.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

# The core tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_CORE_ONLY=ON \
		-DQUORVANE_SANITIZE=ON $(CMAKE_OPTS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0 ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	@scripts/with-xvfb.sh $(BIN)/quorvane-bench

# Installs into $(DESTDIR)$(PREFIX): the programs, their data, launcher, icon, metadata and manual pages.
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package of everything `make install` installs, under /usr: $(BUILD)/quorvane_*.deb.
deb: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
