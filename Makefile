# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, and starts Brasswick
#   make test   installs what is missing, builds, and runs every test
# CI also runs `make sanitize` (the tests under AddressSanitizer and UBSan), `make fuzz` and
# `make test-dxf` (the DXF files read by ezdxf and LibreCAD).

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS       ?= $(shell nproc)

PACKAGES = cmake ninja-build g++ clang qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
           libbenchmark-dev libclang-rt-14-dev python3

# The readers that check the DXF files; Debian's python3-ezdxf is for the system's python3.
DXF_PACKAGES = python3-ezdxf librecad poppler-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test test-dxf sanitize fuzz bench screenshot clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing >/dev/null; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are unset)."; \
	  echo "Brasswick is a desktop program: run it in a desktop session, or under Xvfb:"; \
	  echo "  xvfb-run make run"; \
	  exit 1; \
	fi
	@tools/demo-workspace.sh $(BUILD)
	$(BUILD)/bin/brasswick

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-dxf: deps $(BUILD)/build.ninja
	@$(MAKE) --no-print-directory deps PACKAGES="$(DXF_PACKAGES)"
	cmake --build $(BUILD) -j $(JOBS) --target brasswick-script
	/usr/bin/python3 tests/dxf/check_dxf.py $(BUILD)/bin/brasswick-script

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBW_SANITIZE=ON -DBW_BUILD_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  BW_PROPERTY_CASES=10000 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DBW_FUZZ=ON \
	  -DBW_BUILD_UI=OFF -DBW_BUILD_TESTS=OFF -DBW_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bench/core_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/ui_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
