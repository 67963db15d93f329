# The two commands of the README: `make run` and `make test`. Each first
# installs the Debian packages that are missing (with sudo when not root).
# Beside them the checks with sanitizers (`make sanitize`, `make tsan`) and
# the fuzzing of the core's readers (`make fuzz`, `make fuzz-replay`), each
# in a build folder of its own, and the benchmarks (`make bench`).

SHELL := /bin/bash
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake make g++ qt6-base-dev qt6-base-private-dev libgl-dev libgtest-dev libxcb1-dev libx11-dev \
            fonts-wine fonts-liberation2 \
            cups cups-client cups-ipp-utils printer-driver-cups-pdf poppler-utils \
            xvfb libxtst-dev tesseract-ocr tesseract-ocr-eng \
            xfwm4 tint2 sway wtype grim qt6-wayland \
            dbus-daemon at-spi2-core libatspi2.0-dev pkg-config orca speech-dispatcher openbox \
            desktop-file-utils appstream man-db
# What `make package` needs besides: the package's library dependencies come
# from dpkg-shlibdeps (dpkg-dev, which finds the programs with file), and
# lintian checks the package.
PACKAGE_TOOLS := dpkg-dev file lintian
# The benchmarks (`make bench`): Google Benchmark, and the DAMAGE extension's
# library, which tells when a program's first frame reaches the X server.
BENCH_PACKAGES := libbenchmark-dev libxdamage-dev
# The fuzz harnesses are built with clang and its libFuzzer.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

.PHONY: all deps package-deps fuzz-deps bench-deps configure build tools run test print-queue package clean \
        sanitize tsan fuzz-build fuzz fuzz-replay bench

all: build

# $(call install-missing,<Debian packages>)
define install-missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

package-deps:
	$(call install-missing,$(PACKAGE_TOOLS))

fuzz-deps:
	$(call install-missing,$(FUZZ_PACKAGES))

bench-deps:
	$(call install-missing,$(BENCH_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The programs that make the pictures, the course outline and the credits
# strip in assets/; not part of the build above.
tools: configure
	cmake --build $(BUILD_DIR) --target tools -j $(JOBS)

# Benchmarks of what a learner feels: start-up phases, page changes, the RTF
# reader and the credits' effects in-process (headless), then quillan2
# against a bare Qt window on an X server of its own (start-up, memory, CPU).
# Prints a table and writes $(BUILD_DIR)/bench.json; then the page changes,
# the credits and the X figures again at 2x (2048 x 1536 at 192 dpi) into
# $(BUILD_DIR)/bench-2x.json; last the page changes at course zoom 2 (on
# 2048 x 1536 at 96 dpi, in-process only) into $(BUILD_DIR)/bench-zoom2.json,
# each against one 60 Hz frame. Never part of `make test`;
# e.g. BENCH_FLAGS="--no-x" or "--benchmark_filter=rtf/ --no-x".
BENCH_FLAGS ?=
bench: bench-deps build
	cmake --build $(BUILD_DIR) --target bench_programs -j $(JOBS)
	$(BUILD_DIR)/quillan_bench --json $(BUILD_DIR)/bench.json $(BENCH_FLAGS)
	$(BUILD_DIR)/quillan_bench --scale 2 --runs 3 --json $(BUILD_DIR)/bench-2x.json \
	  --benchmark_filter='page_change/|credits/' $(BENCH_FLAGS)
	$(BUILD_DIR)/quillan_bench --zoom 2 --json $(BUILD_DIR)/bench-zoom2.json \
	  --benchmark_filter='page_change/' $(BENCH_FLAGS)

run: build
	cd $(BUILD_DIR) && ./quillan2

# The printing tests print on a real PDF queue of the machine's print system.
print-queue: deps
	bash tests/print_queue.sh

test: build print-queue
	cd $(BUILD_DIR) && ctest --output-on-failure

# The Debian package quillan2_<version>_<arch>.deb in the build folder,
# checked by lintian: any error or warning fails.
package: build package-deps
	rm -f $(BUILD_DIR)/quillan2_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD_DIR)/quillan2_*.deb

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Every report fails: an undefined-behaviour report (on standard error) stops
# the program, which fails its test; AddressSanitizer and LeakSanitizer write
# to files under sanitizer-logs/ of the build folder (a program that a test
# starts, like the end-to-end test's, reports there too, whatever its test
# makes of its exit), and any file there after the run fails the target.
# Qt is built without frame pointers: the slow unwinder gives whole
# allocation stacks through it (a leak's stack names our caller, and
# suppressions match on whole stacks).
ASAN_BUILD_DIR ?= build-asan
SANITIZER_SUPPRESSIONS := $(CURDIR)/tests/sanitizers
ASAN_ENV = ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:check_initialization_order=1:strict_init_order=1:log_path=$(abspath $(1))/asan \
  LSAN_OPTIONS=suppressions=$(SANITIZER_SUPPRESSIONS)/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# $(call check-sanitizer-logs,<log folder>,<ctest's exit status variable>)
define check-sanitizer-logs
	if ls $(1)/* >/dev/null 2>&1; then \
	  for f in $(1)/*; do echo "==== $$f"; cat "$$f"; done; \
	  echo "Sanitizer reports: see above"; exit 1; \
	fi; \
	exit $$$(2)
endef

sanitize: deps print-queue
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLAN_SANITIZE=address,undefined
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	rm -rf $(ASAN_BUILD_DIR)/sanitizer-logs && mkdir -p $(ASAN_BUILD_DIR)/sanitizer-logs
	cd $(ASAN_BUILD_DIR) && $(call ASAN_ENV,$(ASAN_BUILD_DIR)/sanitizer-logs) ctest --output-on-failure; \
	rc=$$?; $(call check-sanitizer-logs,sanitizer-logs,rc)

# The effects' worker threads (the credits panel's and the clock's) under
# ThreadSanitizer: the effects tests only.
TSAN_BUILD_DIR ?= build-tsan
tsan: deps
	cmake -S . -B $(TSAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLAN_SANITIZE=thread
	cmake --build $(TSAN_BUILD_DIR) --target test_effects -j $(JOBS)
	rm -rf $(TSAN_BUILD_DIR)/sanitizer-logs && mkdir -p $(TSAN_BUILD_DIR)/sanitizer-logs
	cd $(TSAN_BUILD_DIR) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(SANITIZER_SUPPRESSIONS)/tsan.supp:log_path=$(abspath $(TSAN_BUILD_DIR))/sanitizer-logs/tsan \
	  ctest --output-on-failure -R '^effects$$'; \
	rc=$$?; $(call check-sanitizer-logs,sanitizer-logs,rc)

# The libFuzzer harnesses of tests/fuzz, built with clang. `make fuzz` runs
# each for FUZZ_SECONDS, starting from its committed seeds
# (tests/fuzz/corpus/<harness>) and keeping what it finds in the build folder
# (corpus/<harness>); an input that fails is saved as crashes/<harness>/crash-*.
# The harnesses of FUZZ_FILE_HARNESSES go through real files, several times
# slower than those in memory: they run for FUZZ_FILE_SECONDS, a short run of
# the path whose parsing the in-memory ones cover in depth.
# `make fuzz-replay` runs the committed seeds once.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FILE_SECONDS ?= 10
# More libFuzzer flags, e.g. FUZZ_FLAGS="-fork=1 -ignore_crashes=1" to go on past a failing input.
FUZZ_FLAGS ?=
FUZZ_HARNESSES := fuzz_rtf_reader fuzz_ini_text fuzz_ini_file fuzz_safe_format fuzz_course_outline \
                  fuzz_code_page fuzz_stored_document
FUZZ_FILE_HARNESSES := fuzz_ini_file
FUZZ_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(SANITIZER_SUPPRESSIONS)/lsan.supp:print_suppressions=0 QT_QPA_PLATFORM=offscreen

fuzz-build: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DQUILLAN_SANITIZE=fuzzer-no-link,address,undefined -DQUILLAN_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR) --target fuzz_harnesses -j $(JOBS)

fuzz-replay: fuzz-build
	@failed=""; for h in $(FUZZ_HARNESSES); do \
	  echo "== $$h: replaying tests/fuzz/corpus/$$h"; \
	  mkdir -p $(FUZZ_BUILD_DIR)/crashes/$$h; \
	  $(FUZZ_ENV) $(FUZZ_BUILD_DIR)/$$h -runs=0 -artifact_prefix=$(FUZZ_BUILD_DIR)/crashes/$$h/ tests/fuzz/corpus/$$h || failed="$$failed $$h"; \
	done; \
	if [ -n "$$failed" ]; then echo "Failed:$$failed"; exit 1; fi

fuzz: fuzz-build
	@failed=""; for h in $(FUZZ_HARNESSES); do \
	  mkdir -p $(FUZZ_BUILD_DIR)/corpus/$$h $(FUZZ_BUILD_DIR)/crashes/$$h; \
	  seconds=$(FUZZ_SECONDS); \
	  case " $(FUZZ_FILE_HARNESSES) " in *" $$h "*) seconds=$(FUZZ_FILE_SECONDS);; esac; \
	  echo "== $$h: $$seconds s"; \
	  $(FUZZ_ENV) $(FUZZ_BUILD_DIR)/$$h -max_total_time=$$seconds -timeout=30 -print_final_stats=1 $(FUZZ_FLAGS) \
	    -artifact_prefix=$(FUZZ_BUILD_DIR)/crashes/$$h/ $(FUZZ_BUILD_DIR)/corpus/$$h tests/fuzz/corpus/$$h \
	    2>&1 | tee $(FUZZ_BUILD_DIR)/crashes/$$h.log | grep -E '^(INFO: Seed|==|SUMMARY|stat::|Done|property|    #0)|ERROR' ; \
	  [ "$${PIPESTATUS[0]}" -eq 0 ] || failed="$$failed $$h"; \
	done; \
	if [ -n "$$failed" ]; then echo "Failed:$$failed (inputs under $(FUZZ_BUILD_DIR)/crashes/)"; exit 1; fi

clean:
	rm -rf $(BUILD_DIR)
