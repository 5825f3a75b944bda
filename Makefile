# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, and starts Brasswick
#   make test   installs what is missing, builds, and runs every test
# CI also runs `make windows` (the zip and the setup in dist/, cross-built) then
# `make test-windows` (that build's tests under Wine), `make test-dxf` (the DXF files read by
# ezdxf and LibreCAD), `make sanitize` (the tests under AddressSanitizer and UBSan) and
# `make fuzz`.

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS       ?= $(shell nproc)

# Node.js runs VeLisp, which runs the AutoLISP companion's tests; any node will do.
NODE_PACKAGE := $(if $(shell command -v node || command -v nodejs),,nodejs)
PACKAGES = cmake ninja-build g++ clang qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
           libbenchmark-dev libclang-rt-14-dev python3 $(NODE_PACKAGE)

WIN_BUILD  ?= build-windows
QT_WINDOWS ?= ../shared/toolchains/qt6-mingw64-6.4.2-static.tar.xz
WINDOWS_PACKAGES = cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
           binutils-mingw-w64-x86-64 qt6-base-dev qt6-base-dev-tools googletest zip xz-utils nsis
WINDOWS_TEST_PACKAGES = wine wine64 xvfb xauth xdotool twm unzip x11-utils

# The readers that check the DXF files; Debian's python3-ezdxf is for the system's python3.
DXF_PACKAGES = python3-ezdxf librecad poppler-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# $(call install,PACKAGES): installs those of the Debian packages that are missing.
define install
	@missing=$$(for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing >/dev/null; \
	fi
endef

.PHONY: deps build run test test-dxf sanitize fuzz bench screenshot clean windows test-windows

deps:
	$(call install,$(PACKAGES))

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
	$(call install,$(DXF_PACKAGES))
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

# The version set in CMakeLists.txt's project(), which names the zip.
VERSION := $(shell sed -n 's/^project.Brasswick VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# The Windows build, cross-compiled with mingw-w64 against the static Qt for Windows:
# dist/brasswick-<version>-windows-x64.zip holds a Brasswick folder with both programs and the
# tables; dist/brasswick-setup-x64.exe installs the same for the current user (NSIS).
windows:
	$(call install,$(WINDOWS_PACKAGES))
	@if [ ! -d $(WIN_BUILD)/qt/qt6-mingw64 ]; then \
	  echo "Unpacking $(QT_WINDOWS)"; mkdir -p $(WIN_BUILD)/qt && tar -xJf $(QT_WINDOWS) -C $(WIN_BUILD)/qt; \
	fi
	@if [ ! -f $(WIN_BUILD)/build.ninja ]; then \
	  cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	    -DQT_MINGW_PREFIX=$(CURDIR)/$(WIN_BUILD)/qt/qt6-mingw64 \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DBW_BUILD_BENCH=OFF $(WIN_CMAKE_ARGS); \
	fi
	cmake --build $(WIN_BUILD) -j $(JOBS) --target brasswick brasswick-script core_tests \
	  windows_zip windows_setup
	@ls -l dist/brasswick-$(VERSION)-windows-x64.zip dist/brasswick-setup-x64.exe

# The Windows build under Wine: its core tests, brasswick-script against the Linux one, the
# window on a virtual display driven by key presses, and the setup with its uninstaller.
test-windows: deps
	$(call install,$(WINDOWS_TEST_PACKAGES))
	@[ -f $(WIN_BUILD)/bin/brasswick.exe ] || { echo "make test-windows: run make windows first"; exit 1; }
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target brasswick-script
	tests/windows/run-windows-tests.sh $(BUILD) $(WIN_BUILD)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) dist
