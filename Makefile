# The two commands: `make test` (set up, build everything, run every test) and `make run` (start the program).
# Both do the whole set-up of a fresh Debian 12 machine first (scripts/setup.sh, as root).
SHELL := /bin/bash
JOBS ?= 2
export ORVANTA_CACHE ?= $(HOME)/.cache/orvanta
VERSION := $(shell grep -m1 -o 'Orvanta VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

.PHONY: all setup native win32 pwt dist test run clean
all: dist

setup:
	@scripts/setup.sh > build-deps-prefix.tmp && mkdir -p build && mv build-deps-prefix.tmp build/deps-prefix

native: setup
	cmake --preset native > /dev/null
	cmake --build build/native -j $(JOBS)

pwt: native

win32: setup
	ORVANTA_DEPS=$$(cat build/deps-prefix) cmake --preset win32 > /dev/null
	cmake --build build/win32 -j $(JOBS)

dist: win32
	cmake --build build/win32 --target dist
	installer/make-release build/dist build $(VERSION)

test: native dist
	scripts/run-tests

run: dist
	scripts/run-gui

clean:
	rm -rf build
