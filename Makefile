# The two commands of the README: `make play` and `make test`.
# Both install what a fresh Debian 12 machine is missing, then build.

ARGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play test install deb deps web web-serve web-test build-release build-asan bench soak fuzz format clean

play: deps build-release
	./build/release/zaldrun $(ARGS)

# The install test checks the desktop entry, the AppStream data and the manual page with these.
test: deps build-asan
	@./scripts/install-deps.sh desktop-file-utils appstream man-db xdotool x11-utils
	ctest --preset asan -j $(JOBS)

deps:
	@./scripts/install-deps.sh

# Installs the game under PREFIX (DESTDIR for a staging folder): bin/zaldrun, share/zaldrun/*.dat,
# the desktop entry, icons, AppStream data and the manual page.
PREFIX ?= /usr/local
install: deps build-release
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix "$(PREFIX)"

# The Debian package of the release build, zaldrun_<version>_<arch>.deb, left in this folder.
deb: deps build-release
	@./scripts/install-deps.sh dpkg-dev file
	rm -f build/release/zaldrun_*.deb
	cd build/release && cpack -G DEB
	cp build/release/zaldrun_*.deb .

# The browser page in build/web/site/: the program as WebAssembly (Debian's emscripten), its data
# files (from the desktop build's data compiler), the font and index.html.
WEB_ENV = NODE_PATH=/usr/share/nodejs
web: deps
	@./scripts/install-deps.sh emscripten node-acorn woff2
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS) --target zaldrun_data
	$(WEB_ENV) emcmake cmake -S web -B build/web -G Ninja -DZALDRUN_DATA_DIR=$(CURDIR)/build/release >/dev/null
	$(WEB_ENV) cmake --build build/web -j $(JOBS)

web-serve: web
	@echo "Залдрун в браузере: http://127.0.0.1:8080/"
	python3 -m http.server 8080 --bind 127.0.0.1 -d build/web/site

# The page's end-to-end test in headless Chromium (make test runs it only once build/web exists).
web-test: web
	@./scripts/install-deps.sh chromium python3-websocket
	/usr/bin/python3 tests/web/page_test.py build/web/site

build-release:
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)

build-asan:
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)

# Benchmarks run on the release build.
bench: deps
	cmake --preset release -DZALDRUN_BUILD_BENCH=ON >/dev/null
	cmake --build --preset release -j $(JOBS)
	./scripts/run-benchmarks.sh build/release

# A long soak run: random keys across many seeds under the sanitizers.
SOAK_SEEDS ?= 2000
soak: deps build-asan
	ZALDRUN_SOAK_SEEDS=$(SOAK_SEEDS) ./build/asan/tests/zaldrun_tests --gtest_filter='Soak*'

# Fuzzing the readers of outside files: each target for FUZZ_SECONDS (libFuzzer, clang).
FUZZ_SECONDS ?= 60
fuzz:
	@./scripts/install-deps.sh clang libclang-rt-14-dev
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	./scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

format:
	find src tests tools bench fuzz -name '*.cpp' -o -name '*.hpp' | xargs clang-format -i

clean:
	rm -rf build zaldrun_*.deb
