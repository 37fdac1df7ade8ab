# Entry points for people and CI; CMake + Ninja do the real work.
BUILD      ?= build
SANBUILD   ?= build-sanitize
BENCHBUILD ?= build-bench
FUZZBUILD  ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS       ?= 2
PREFIX     ?= /usr/local

.PHONY: all deps demo demo-live test sanitize bench fuzz mutate install clean

all: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SANBUILD)/build.ninja: | deps
	cmake -S . -B $(SANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOREL_SANITIZE=ON

$(BENCHBUILD)/build.ninja: | deps
	cmake -S . -B $(BENCHBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOREL_BENCH=ON

$(FUZZBUILD)/build.ninja:
	bash scripts/install-fuzz-deps.sh
	CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOREL_FUZZ=ON

demo: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vorel-demo
	rm -rf demo-out
	$(BUILD)/demo/vorel-demo demo-out
	@echo "demo written to demo-out/index.html"

# The demo's windows in a real X11 window on $$DISPLAY, for a person to use.
demo-live: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vorel-demo
	$(BUILD)/demo/vorel-demo --live

test: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps $(SANBUILD)/build.ninja
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

bench: deps $(BENCHBUILD)/build.ninja
	cmake --build $(BENCHBUILD) -j $(JOBS)
	@for b in $(BENCHBUILD)/bench/bench-*; do echo "== $$b"; $$b; done

# Every fuzz target (or those named in FUZZ_TARGETS) for FUZZ_SECONDS each.
fuzz: $(FUZZBUILD)/build.ninja
	cmake --build $(FUZZBUILD) -j $(JOBS)
	bash scripts/run-fuzz.sh $(FUZZBUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Which tests catch which plausible fault of scripts/mutants/ (a few seconds each).
mutate: deps
	python3 scripts/mutate.py run --out build-mutate/matrix.json

# Headers, libraries, language modules, the CMake package and vorel.pc under PREFIX.
install: all
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SANBUILD) $(BENCHBUILD) $(FUZZBUILD) build-mutate demo-out
