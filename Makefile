# The two commands of the README: `make run` and `make test`.
.PHONY: deps-run deps-deb deps-test build run deb test test-debug test-asan format clean

JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# What each job needs, no more: running needs neither the test nor the cross tools.
deps-run deps-deb deps-test:
	@scripts/install-deps $(@:deps-%=%)

build: deps-run
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	./build/release/rt410-cps

# The Debian packages rt410-cps and rt410-radio-sim, from the release build.
PACKAGES := build/packages
deb: deps-deb build
	@rm -rf $(PACKAGES)
	@cpack --config build/release/CPackConfig.cmake -G DEB -B $(PACKAGES) >$(PACKAGES).log 2>&1 \
	  || { cat $(PACKAGES).log; exit 1; }
	@rm -rf $(PACKAGES)/_CPack_Packages
	@echo "Debian packages in $(CURDIR)/$(PACKAGES):"
	@ls -1 $(CURDIR)/$(PACKAGES)/*.deb
	@echo "Install both with: sudo apt install ./$(PACKAGES)/*.deb"

test-debug: deps-test
	@cmake --preset debug >/dev/null
	@cmake --build --preset debug -j $(JOBS)
	ctest --preset debug

test-asan: deps-test
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan

# Both builds; the sanitizer run comes last so CTest's summary closes the output.
test: test-debug test-asan

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
