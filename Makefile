# Thin front for CMake: `make run` starts the tutor, `make test` runs every test.
BUILD    ?= build
ASAN     ?= build-asan
FUZZ     ?= build-fuzz
JOBS     ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: setup build run test test-plain test-asan test-fuzz bench clean

setup:
	@scripts/setup-debian.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quillet

test: test-plain test-asan test-fuzz

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: setup
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTUTOR_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

test-fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUTOR_FUZZ=ON -DTUTOR_GUI=OFF >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target fuzz_targets
	@scripts/run-fuzzers.sh $(FUZZ) $(FUZZ_SECONDS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ)
