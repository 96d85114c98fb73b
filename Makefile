# Orbivale: `make run` starts the program, `make test` builds and runs every test.
# Both install what is missing first (Debian packages; needs root or sudo).

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 60
PREFIX     ?= /usr/local
JOBS       ?= $(shell nproc)
ARGS       ?=

CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test test-sanitize fuzz fuzz-smoke bench install clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/orbivale $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORBIVALE_SANITIZE=ON \
	    -DORBIVALE_BUILD_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (fuzz/), built by clang with AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DORBIVALE_FUZZ=ON \
	    -DORBIVALE_BUILD_TESTS=OFF -DORBIVALE_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all

# Each fuzz target for FUZZ_TIME seconds over its seeds; a crash, leak or hang fails.
fuzz-smoke: fuzz
	scripts/fuzz-smoke.sh $(FUZZ_BUILD)/fuzz $(FUZZ_TIME)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; xvfb-run -a -s "-screen 0 1600x1200x24" $$b; done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
