# The two commands a newcomer needs: `make run` and `make test`. Both install
# whatever Debian packages are missing first (as root, or through sudo).

BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := cmake g++ make \
  qt6-base-dev libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev qt6-pdf-dev \
  nlohmann-json3-dev libcli11-dev libkainjow-mustache-dev libsqlite3-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth fonts-dejavu-core poppler-utils imagemagick

.PHONY: all deps configure build run test bench screenshots clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/kelvara2027

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every benchmark in bench/, one after the other.
bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b" --benchmark_min_time=0.2; done

# One PNG per window into $(SHOTS), drawn under the offscreen platform.
SHOTS ?= $(BUILD)/screenshots
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kv-screenshots $(SHOTS)

clean:
	rm -rf $(BUILD)
