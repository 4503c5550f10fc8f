# Two commands for a fresh Debian 12 machine:
#   make run    set up, build, generate the data, install the program folder, start the game
#   make test   set up, build, run every test (plain build, then AddressSanitizer + UBSan)

BUILD      ?= build
ASAN_BUILD ?= build-asan
PROGRAMM   ?= $(abspath $(BUILD))/programm
JOBS       ?= $(shell nproc)

PACKAGES = cmake ninja-build g++ pkg-config libsdl2-dev libpng-dev libfreetype-dev \
           fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev

.PHONY: run test deps build build-asan install-programm

run: install-programm
	$(BUILD)/dorvin

test: build build-asan install-programm
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -LE bench

# Installs what is missing when run as root; otherwise only tells what is missing.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else echo "Fehlende Pakete:$$missing (bitte als root installieren)"; exit 1; fi; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDORVIN_SANITIZE=ON -DDORVIN_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# The program folder inside the build tree, with its registry file beside it.
# The generated tree is made afresh, so that nothing a former builder wrote is installed again.
install-programm: build
	rm -rf $(abspath $(BUILD))/daten
	$(BUILD)/dorvin_datagen alles --ziel $(abspath $(BUILD))/daten
	$(BUILD)/dorvin_installer --daten $(abspath $(BUILD))/daten --ziel $(PROGRAMM)
