# The two commands of the README: `make run` and `make test`. Each first
# installs the Debian packages that are missing (with sudo when not root).

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libxcb1-dev libx11-dev \
            fonts-wine fonts-liberation2 \
            cups cups-client cups-ipp-utils printer-driver-cups-pdf poppler-utils \
            xvfb libxtst-dev

.PHONY: all deps configure build tools run test print-queue clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The programs that make the pictures, the course outline and the credits
# strip in assets/; not part of the build above.
tools: configure
	cmake --build $(BUILD_DIR) --target tools -j $(JOBS)

run: build
	cd $(BUILD_DIR) && ./quillan2

# The printing tests print on a real PDF queue of the machine's print system.
print-queue: deps
	bash tests/print_queue.sh

test: build print-queue
	cd $(BUILD_DIR) && ctest --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
