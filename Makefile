# Two commands do everything: `make run` and `make test`.
BUILD ?= build
RUNDIR ?= run

# The Debian packages each command needs (scripts/install-deps.sh groups);
# a command's own group also holds for the build it depends on.
DEPS = run

.PHONY: all deps build run test bench package puzzles clean

all: build

deps:
	./scripts/install-deps.sh $(DEPS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

# The game opens its files by bare name, so it runs in a folder that holds
# them. The shipped data is refreshed each time; the players' file there is
# never touched.
run: build
	mkdir -p $(RUNDIR)
	cp data/zorvwin.dat data/hit.wav data/not.wav data/wins.wav $(RUNDIR)/
	cd $(RUNDIR) && ../$(BUILD)/app/lexiloop

test: DEPS = test
test: build
	./scripts/run-tests.sh $(BUILD)

bench: build
	./scripts/run-benchmarks.sh $(BUILD)

# The Debian package, in $(BUILD)/lexiloop_<version>_<arch>.deb.
package: DEPS = package
package: build
	cmake --build $(BUILD) --target package

# Regenerates the shipped puzzles from WordNet and checks them.
puzzles: DEPS = puzzles
puzzles: build
	$(BUILD)/tools/puzzles/makepuzzles --out data/zorvwin.dat --links tools/puzzles/links.txt --max-weak 1
	$(BUILD)/tools/puzzles/checkpuzzles data/zorvwin.dat --links tools/puzzles/links.txt --max-weak 1

clean:
	rm -rf $(BUILD)
