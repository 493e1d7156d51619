# The two commands of the README:
#   make run   installs what is missing, builds and starts the program on the demo data
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS ?= 2
PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev \
  proj-bin proj-data qt6-base-dev fonts-liberation adwaita-icon-theme poppler-utils \
  clang libclang-rt-14-dev libfuzzer-14-dev

.PHONY: deps configure build test run bench fuzz clean

deps:
	@bash tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@echo "The desktop program is not built yet; the computation core and its tests are."

clean:
	rm -rf $(BUILD)
