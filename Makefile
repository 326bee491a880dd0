# Two entry points: `make run` builds and starts the program, `make test` builds and runs
# every test. `make deb` builds the Debian package. Both first make sure the Debian packages the build needs are installed.
# The reliability net: `make test-sanitizers` runs every test again under the address and
# undefined-behaviour sanitizers; `make fuzz` fuzzes each target of fuzz/ for FUZZ_SECONDS
# seconds; `make fuzz-replay` runs every input of the fuzz corpus once through every target.
# The habits: the build turns our warnings into errors; `make lint` checks that no include runs
# up the layers (tools/verifie-couches.py), the layout of every tracked source file
# (.clang-format) and the checks of .clang-tidy.

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqt6printsupport6 \
            libqt6test6 qt6-translations-l10n qt6-qpa-plugins fonts-liberation \
            libbenchmark-dev poppler-utils python3 locales unrtf desktop-file-utils xdg-utils \
            cups cups-client printer-driver-cups-pdf dpkg-dev file lintian appstream man-db \
            libofx-dev pkg-config
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev llvm-14
LINT_PACKAGES := python3 git clang-format clang-tidy
# The launch is timed under an X server of its own, its window found as any X client would.
BENCH_PACKAGES := xvfb xauth x11-utils
BUILD    := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
CTEST_JOBS ?= 2
TIDY_JOBS ?= 2
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

# Every tree is configured alike: `make install BUILD=<tree>` reconfigures the tree it is given
# with these options, and an option that changed would rebuild the whole tree.
CONFIGURE := -G Ninja -DTARVINEL_WERROR=ON
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
FUZZ_TARGETS := $(patsubst fuzz/%.cpp,%,$(wildcard fuzz/fuzz_*.cpp))
# The settings target writes files at every run: in memory where the machine allows it.
FUZZ_ENV := TMPDIR=$(if $(wildcard /dev/shm),/dev/shm,/tmp) \
            ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer \
            UBSAN_OPTIONS=print_stacktrace=1

.PHONY: run test bench build install deb deps packages test-sanitizers fuzz fuzz-replay fuzz-build \
        fuzz-packages bench-packages lint check-layers check-format check-tidy lint-packages

run: build
	./$(BUILD)/tarvinel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(CTEST_JOBS)

# Installs under PREFIX, inside DESTDIR when one is given (packaging).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, tarvinel_<version>_amd64.deb, in the build directory.
deb: build
	cd $(BUILD) && cpack -G DEB

# The figures of the store and the commands, then the launch timed from outside.
bench: build bench-packages
	./$(BUILD)/bench/tarvinel_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" python3 bench/lancement.py $(BUILD)

build: deps
	cmake -S . -B $(BUILD) $(CONFIGURE)
	cmake --build $(BUILD)

test-sanitizers: deps
	cmake -S . -B $(ASAN_BUILD) $(CONFIGURE) -DCMAKE_CXX_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
	  ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1 \
	  ctest --output-on-failure -j$(CTEST_JOBS)

fuzz-build: fuzz-packages
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DTARVINEL_FUZZ=ON
	cmake --build $(FUZZ_BUILD)

# New inputs go to a scratch corpus in the build directory; an input that finds a fault is
# written into the target's corpus folder, to be kept there with the fix. A target's words, if
# it has any, are in fuzz/<target>.dict.
fuzz: fuzz-build
	@status=0; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t; \
	  echo "== $$t : $(FUZZ_SECONDS) s"; \
	  dict=; [ -f fuzz/$$t.dict ] && dict=-dict=fuzz/$$t.dict; \
	  $(FUZZ_ENV) ./$(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=30 $$dict \
	    -print_final_stats=1 -artifact_prefix=fuzz/corpus/$$t/ \
	    $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || { status=1; echo "$$t : faute trouvée"; }; \
	done; exit $$status

fuzz-replay: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  log=$(FUZZ_BUILD)/$$t.replay.log; \
	  find fuzz/corpus -type f -print0 | sort -z | \
	    xargs -0 env $(FUZZ_ENV) ./$(FUZZ_BUILD)/fuzz/$$t -timeout=30 > $$log 2>&1 || \
	    { tail -n 60 $$log; echo "$$t : faute trouvée (journal : $$log)"; exit 1; }; \
	  echo "$$t : $$(grep -c '^Executed ' $$log) entrées rejouées sans faute"; \
	done

lint: check-layers check-format check-tidy

check-layers: lint-packages
	python3 tools/verifie-couches.py

check-format: lint-packages
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Every source file of the program, its tests and its benchmarks, over the build's compile
# commands; the headers they include are checked with them. The compiler's own warnings are
# the build's business: clang's, which differ from g++'s, do not stop the checks.
check-tidy: build lint-packages
	run-clang-tidy -p $(BUILD) -j$(TIDY_JOBS) -quiet -extra-arg=-Wno-error \
	  '^$(CURDIR)/(src|tests|bench)/'

deps: packages
	@if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen && \
	    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' >> /etc/locale.gen; \
	    locale-gen; \
	  else \
	    echo "Locale fr_FR.UTF-8 manquante; lancez en root :"; \
	    echo "sed -i 's/^# *fr_FR.UTF-8/fr_FR.UTF-8/' /etc/locale.gen && locale-gen"; \
	    exit 1; \
	  fi; \
	fi

# Installs the packages of a list that are missing, or names them to a user who is not root.
define install-packages
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	  else \
	    echo "Paquets manquants; lancez en root :"; \
	    echo "apt-get install -y" $$missing; \
	    exit 1; \
	  fi; \
	fi
endef

packages:
	$(call install-packages,$(PACKAGES))

fuzz-packages: packages
	$(call install-packages,$(FUZZ_PACKAGES))

lint-packages:
	$(call install-packages,$(LINT_PACKAGES))

bench-packages:
	$(call install-packages,$(BENCH_PACKAGES))
