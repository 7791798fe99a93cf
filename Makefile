# The two set-up commands are `make run` and `make test`; the rest serve development.
BUILD     ?= build
ASAN_BUILD = build-asan
FUZZ_BUILD = build-fuzz
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
DEMO_KEY   = 12345678

.PHONY: all deps build test run sanitize fuzz bench format screenshots clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The replacement host on the demo return in the user's data folder (made on first use).
run: build
	@$(BUILD)/bin/quellet-host --key $(DEMO_KEY)

# Every test under AddressSanitizer and UBSan.
sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# libFuzzer targets (clang); FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESK_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_plain_file fuzz_decipher
	@for t in fuzz_plain_file fuzz_decipher; do \
	    mkdir -p fuzz/corpus-work/$$t; \
	    $(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=fuzz/regressions/$$t/ fuzz/corpus-work/$$t fuzz/seeds/$$t || exit 1; \
	done

bench: build
	@for b in $(BUILD)/bench/bench_*; do $$b; done

# The controls gallery rendered offscreen to PNG files under build/screenshots, the question
# screens as the scenario scripts' "shot" steps meet them, under build/screenshots/screens, and
# every screen id on a filled and an empty claim at 1x and 2x, under build/screenshots/ids.
screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/examples/gallery/controls-gallery --screenshots $(BUILD)/screenshots
	@cd $(BUILD) && VESK_SHOTS=$(abspath $(BUILD))/screenshots/screens ctest -j2 -R '^scenario_' >/dev/null
	@scripts/render-screens.sh $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
