# Two commands for a fresh Debian 12 machine:
#   make run    set up, build the game, generate the data, install the program folder, start the game
#   make test   set up, build, install the program folder and run every test and benchmark once
#   make test-asan      the tests again in a build with AddressSanitizer and UBSan
#   make test-gemischt  each test program whole, its tests in a random order
#   make test-alles     all three
#   make bench  every benchmark with a goal (bench/ziele.txt) against its goal, as a table
#   make test-saisons   ten seasons of a new game of the default, the large and the small world, with the world's figures

BUILD      ?= build
ASAN_BUILD ?= build-asan
PROGRAMM   ?= $(abspath $(BUILD))/programm
JOBS       ?= $(shell nproc)

PACKAGES = cmake ninja-build g++ pkg-config libsdl2-dev libpng-dev libfreetype-dev \
           fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev

.PHONY: run test bench test-asan test-alles test-gemischt test-saisons deps build build-spiel build-asan install-programm

run: install-programm
	$(BUILD)/dorvin

test: build install-programm
	# A failed test runs once more (the programs' network games run three processes against the
	# clock on a busy machine); a test that fails twice fails the run.
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --repeat until-pass:2

# Each benchmark program with a goal, the reference loop beside it; the table of figures and goals.
bench: build
	tools/bench_tabelle.sh $(BUILD)

# The season played through the whole program and the network games of three program processes
# run in the plain build and shuffled only: under the sanitizers the season alone would take
# longer than all the rest, and three sanitized processes outwait the network's time limits on a
# busy machine (each of their parts has its own tests that do run here).
test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --repeat until-pass:2 -LE bench \
	  -E '^(Saison_Im_Programm|Netz_Prozesse|Netz_Abbruch)\.'

test-alles: test test-asan
	$(MAKE) --no-print-directory test-gemischt

# Ten seasons of each world (default, large, small), every match day played: each
# season's world-health figures (squads, players without a team, the clubs' money) and its money
# by booking category are printed; the run fails where a squad falls short, a player is left
# without a team or the clubs' money collapses or explodes. Not part of `make test` (it takes a
# few minutes).
test-saisons: build
	cd $(BUILD) && DORVIN_HEADLESS=1 DORVIN_SAISONEN=10 ./test_match --gtest_also_run_disabled_tests \
	  --gtest_filter='Welt_Saisons.*'

# ctest runs every test in a process of its own; here each test program runs whole, in a random
# order, so that state one test leaves behind and another depends on shows. Each program gets a
# fixed seed by default, so that a run can be repeated exactly; MISCH_SEED=N tries another order.
# A program that fails runs once more in the same order: a fault that state leaves behind fails
# again, while one that passes the second time is named as timing-dependent.
test-gemischt:
	@fehler=""; wackelig=""; anzahl=0; for t in $(abspath $(BUILD))/test_*; do \
	  case "$$t" in *.cmake) continue ;; esac; \
	  [ -f "$$t" ] && [ -x "$$t" ] || continue; \
	  anzahl=$$((anzahl + 1)); \
	  seed=$${MISCH_SEED:-1}; \
	  echo "== $$(basename $$t) --gtest_shuffle --gtest_random_seed=$$seed"; \
	  if ! (cd $(BUILD) && DORVIN_HEADLESS=1 "$$t" --gtest_shuffle --gtest_random_seed=$$seed --gtest_brief=1); then \
	    echo "== $$(basename $$t): once more in the same order"; \
	    if (cd $(BUILD) && DORVIN_HEADLESS=1 "$$t" --gtest_shuffle --gtest_random_seed=$$seed --gtest_brief=1); then \
	      wackelig="$$wackelig $$(basename $$t):$$seed"; \
	    else fehler="$$fehler $$(basename $$t):$$seed"; fi; \
	  fi; \
	done; \
	if [ "$$anzahl" = 0 ]; then echo "Keine Testprogramme in $(BUILD)"; exit 1; fi; \
	if [ -n "$$wackelig" ]; then echo "Gemischt erst im zweiten Lauf bestanden:$$wackelig"; fi; \
	if [ -n "$$fehler" ]; then echo "Gemischt fehlgeschlagen:$$fehler"; exit 1; fi

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

# What the game needs and no more: the program, the data builder and the installer (the tests and
# benchmarks are most of the tree and `make test` builds them).
SPIEL_ZIELE = dorvin dorvin_datagen dorvin_installer

build-spiel: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target $(SPIEL_ZIELE)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# The program folder inside the build tree, with its registry file beside it.
# The generated tree is made afresh, so that nothing a former builder wrote is installed again.
install-programm: build-spiel
	rm -rf $(abspath $(BUILD))/daten
	$(BUILD)/dorvin_datagen alles --ziel $(abspath $(BUILD))/daten
	$(BUILD)/dorvin_installer --daten $(abspath $(BUILD))/daten --ziel $(PROGRAMM)
