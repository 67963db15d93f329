# The two commands of the README: `make run` and `make test`. Each first
# installs the Debian packages that are missing (with sudo when not root).

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libxcb1-dev libx11-dev \
            fonts-wine fonts-liberation2 \
            cups cups-client cups-ipp-utils printer-driver-cups-pdf poppler-utils \
            xvfb libxtst-dev \
            desktop-file-utils appstream man-db
# What `make package` needs besides: the package's library dependencies come
# from dpkg-shlibdeps (dpkg-dev, which finds the programs with file), and
# lintian checks the package.
PACKAGE_TOOLS := dpkg-dev file lintian

.PHONY: all deps package-deps configure build tools run test print-queue package clean

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

# The Debian package quillan2_<version>_<arch>.deb in the build folder,
# checked by lintian: any error or warning fails.
package: build package-deps
	rm -f $(BUILD_DIR)/quillan2_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error,warning $(BUILD_DIR)/quillan2_*.deb

clean:
	rm -rf $(BUILD_DIR)
