# The two commands of the README:
#   make run   installs what is missing, builds and starts the program on the demo data
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS ?= 2
PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev \
  proj-bin proj-data qt6-base-dev fonts-liberation adwaita-icon-theme poppler-utils \
  clang libclang-rt-14-dev libfuzzer-14-dev time

.PHONY: deps configure build test run bench fuzz clean

deps:
	@bash tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test twice: the ordinary build, then the whole suite again built with
# AddressSanitizer and UndefinedBehaviorSanitizer (reports only from system
# libraries are suppressed; see tests/sanitizers/).
SAN_BUILD ?= build-asan
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON \
	  -DQV_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

# The program's folder: the program, the demo model and the example inputs.
RELEASE ?= build-release
PROGRAM_DIR ?= $(BUILD)/Quavelor_5021RM

run: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS) --target Quavelor_5021RM quavelor-batch make_demo_model
	@bash tools/run-program.sh $(RELEASE) $(PROGRAM_DIR)

# The speed table of the README: the batch command and the generators from the
# Release build that `make run` uses (link-time optimised), then
# bench/run_all.sh.
BENCH_TARGETS := quavelor-batch make_demo_model model_to_gtx random_points make_levelling_job

bench: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_BENCH=OFF \
	  -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS) --target $(BENCH_TARGETS)
	@bash bench/run_all.sh $(RELEASE)

# Each fuzz target for FUZZ_SECONDS on its committed corpus (clang, ASan+UBSan
# and libFuzzer); new inputs are found in a scratch folder and merged into the
# corpus, which keeps only inputs that add coverage.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := record run
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DQV_FUZZ=ON -DQV_SANITIZE=ON -DQV_BUILD_UI=OFF \
	  -DQV_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/found/$$t; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=20 \
	    -rss_limit_mb=2048 -print_final_stats=1 $(FUZZ_BUILD)/found/$$t tests/fuzz/corpus/$$t; \
	  $(FUZZ_BUILD)/tests/fuzz/fuzz_$$t -merge=1 tests/fuzz/corpus/$$t $(FUZZ_BUILD)/found/$$t; \
	done

clean:
	rm -rf $(BUILD) $(RELEASE) $(SAN_BUILD) $(FUZZ_BUILD)
