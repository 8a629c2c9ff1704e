# make run   installs what is missing, builds, starts the game
# make test  the same set-up, then the whole test suite and a start without a display
# make bench the benchmarks (never run by CI)
# make fuzz  the fuzz targets with clang's libFuzzer, FUZZ_SECONDS each (never run by CI)
# make torture  the kill test: 1000 saves killed at random moments (never run by CI)
# make install  installs the game under PREFIX (default /usr/local)
# make package  builds the .deb and the portable .tar.gz in build/

BUILD := build
PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-charts-dev qt6-multimedia-dev libgl-dev fonts-dejavu-core
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Rebuilds go faster through ccache where the machine has it; nothing depends on it.
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
KILLS ?= 1000

.PHONY: run test bench fuzz torture install package deps build clean

run: build
	cd $(BUILD) && ./paddox

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120
	@# The game comes up without a display and keeps running until stopped.
	@cd $(BUILD) && rm -rf smoke && mkdir -p smoke/data smoke/hall && cp -r whats credits.htm paddox smoke/ 2>/dev/null; \
	 QT_QPA_PLATFORM=offscreen timeout 3 ./smoke/paddox; rc=$$?; rm -rf smoke; \
	 if [ $$rc -eq 124 ]; then echo "start-up check: the game came up"; else echo "start-up check failed ($$rc)"; exit 1; fi

# Every folder bench/<name>/ is one benchmark, the program bench_<name> somewhere under $(BUILD)/bench/
# (other programs there, such as the ones a start-up benchmark times, are not run by themselves).
bench: build
	@# kill_save is the torture test's program: `make torture` runs it.
	@for dir in bench/*/; do [ "$$(basename $$dir)" = kill_save ] && continue; name=bench_$$(basename $$dir); \
	   program=$$(find $(BUILD)/bench -type f -perm -u+x -name $$name | head -n 1); \
	   if [ -z "$$program" ]; then echo "$$name: not built"; exit 1; fi; \
	   echo "== $$name"; $$program || exit 1; \
	 done

fuzz: deps
	@command -v clang++-14 >/dev/null || { echo "make fuzz needs clang 14: apt-get install clang-14"; exit 1; }
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DPADDOX_FUZZ=ON
	cmake --build $(FUZZ_BUILD)
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

torture: build
	cd $(BUILD) && ./bench/kill_save/kill_save $(KILLS)

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	 if [ -n "$$missing" ]; then \
	   echo "installing:$$missing"; \
	   $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	 fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)
	cmake --build $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
