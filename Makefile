# Two entry points: `make run` builds and starts the program, `make test` builds and runs
# every test. Both first make sure the Debian packages the build needs are installed.

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libqt6printsupport6 \
            libqt6test6 qt6-translations-l10n qt6-qpa-plugins fonts-liberation \
            libbenchmark-dev poppler-utils locales
BUILD    := build

.PHONY: run test bench build deps packages

run: build
	./$(BUILD)/tarvinel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	./$(BUILD)/bench/tarvinel_bench

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD)

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

packages:
	@missing=$$(for p in $(PACKAGES); do \
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
