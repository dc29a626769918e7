# make run    install what is missing, build in Release and start the timer
# make test   install what is missing, build with sanitizers and run every test
# make bench  build in Release and print the benchmark figures
# make fuzz   build the scramble-file fuzzer with clang and run it for 60 s
# make package  build the Debian package in build/package
# make deps   install the Debian packages the build needs
# make windows  cross-build for 64-bit Windows: build/windows/*-win64.zip and *-setup.exe
# make test-windows  the Windows build's tests under Wine

RELEASE := build/release
TEST := build/test
FUZZ := build/fuzz
PACKAGE := build/package
WINDOWS := build/windows
FUZZ_SECONDS ?= 60

.PHONY: deps run test bench fuzz release package install-check windows test-windows

deps:
	sh scripts/install-deps

release: deps
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCUBETIMER_TESTS=OFF -DCUBETIMER_BENCH=ON
	cmake --build $(RELEASE)

run: deps
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCUBETIMER_TESTS=OFF -DCUBETIMER_BENCH=ON
	cmake --build $(RELEASE) --target quorvanta-timer
	./$(RELEASE)/quorvanta-timer

test: deps
	cmake -S . -B $(TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCUBETIMER_SANITIZE=ON -DCUBETIMER_WERROR=ON
	cmake --build $(TEST)
	cd $(TEST) && ctest --output-on-failure

bench: release
	./$(RELEASE)/bench/core_bench
	./$(RELEASE)/bench/stackmat_table
	sh bench/measure-app ./$(RELEASE)/quorvanta-timer ./$(RELEASE)/bench/scramble_latency ./$(RELEASE)/bench/stop_error \
		./$(RELEASE)/bench/stackmat_wav

fuzz: deps
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DCUBETIMER_TESTS=OFF -DCUBETIMER_FUZZ=ON -DCUBETIMER_WERROR=ON
	cmake --build $(FUZZ) --target scramble_fuzz
	mkdir -p $(FUZZ)/corpus
	./$(FUZZ)/fuzz/scramble_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ)/corpus fuzz/seeds

package: deps
	cmake -S . -B $(PACKAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCUBETIMER_TESTS=OFF
	cmake --build $(PACKAGE) --target package

# Qt for Windows is built once per machine (scripts/windows-qt prints where);
# its toolchain file finds Qt under the find-root rules and brings in ours,
# named here: the one it names itself is in whichever clone built Qt, which
# may be gone.
windows:
	sh scripts/install-deps windows
	qt=$$(sh scripts/windows-qt | tail -n 1) && \
	cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCUBETIMER_WERROR=ON -DCUBETIMER_WINDOWS=ON \
		-DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS) --target windows_release

test-windows: windows
	cmake --build $(WINDOWS)
	cd $(WINDOWS) && ctest --output-on-failure
