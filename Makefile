# The two commands a newcomer needs: `make run` and `make test`. Both install
# whatever Debian packages are missing first (as root, or through sudo).

BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PACKAGES := cmake g++ make \
  qt6-base-dev libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev qt6-pdf-dev \
  nlohmann-json3-dev libcli11-dev libkainjow-mustache-dev libsqlite3-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth fonts-dejavu-core poppler-utils imagemagick \
  clang libclang-rt-14-dev clang-tidy clang-format dpkg-dev ccache

# ON turns every compiler warning into an error, as the CI build does.
WERROR ?= OFF

.PHONY: all deps configure build run test bench screenshots clean lint format

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
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/kelvara2027

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every benchmark in bench/, one after the other.
bench: build
	@for b in $(BUILD)/bench/*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" --benchmark_min_time=0.2 || exit 1; fi; done

# One PNG per window into $(SHOTS), drawn under the offscreen platform.
SHOTS ?= $(BUILD)/screenshots
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/kv-screenshots $(SHOTS)

clean:
	rm -rf $(BUILD)

# clang-tidy (.clang-tidy) over the C++ sources changed against $(LINT_BASE),
# committed or not, and over the sources beside changed headers; findings in
# headers count only for changed headers. Any finding fails. It reads the
# compile commands of $(BUILD).
LINT_BASE ?= main
CXX_CHANGED = git diff --name-only --diff-filter=d $$(git merge-base HEAD $(LINT_BASE)) -- \
  'src/*' 'tests/*' 'bench/*' 'tools/*' 'fuzz/*'
lint: configure
	@files=$$( { $(CXX_CHANGED) | grep '\.cpp$$'; \
	  for h in $$($(CXX_CHANGED) | grep '\.h$$'); do [ -f "$${h%.h}.cpp" ] && echo "$${h%.h}.cpp"; done; } | sort -u); \
	headers=$$($(CXX_CHANGED) | grep '\.h$$' | sed 's/[.]/[.]/g' | paste -sd'|'); \
	if [ -z "$$files" ]; then echo "lint: no C++ source changed against $(LINT_BASE)"; exit 0; fi; \
	echo "lint:" $$(echo "$$files" | wc -l) "files"; \
	echo "$$files" | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD) --quiet --warnings-as-errors='*' \
	  --header-filter="$${headers:-^$$}"

# clang-format (.clang-format) over every C++ file of the tree, in place.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fuzzing: the fuzz targets built with clang and libFuzzer in $(FUZZ_BUILD), each
# run for FUZZ_SECONDS from the saved inputs in fuzz/corpus. New inputs go to
# $(FUZZ_BUILD)/corpus, anything that breaks to $(FUZZ_BUILD)/findings.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS := number date command-line csv-batch report-layout
.PHONY: fuzz package test-sanitize
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DKV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) --target kv_fuzzers -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/findings
	@for f in $(FUZZERS); do \
	  echo "== $$f: $(FUZZ_SECONDS) s"; mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  (cd $(FUZZ_BUILD) && fuzz/kv-fuzz-$$f corpus/$$f $(CURDIR)/fuzz/corpus/$$f \
	    -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -artifact_prefix=findings/$$f- -print_final_stats=1) || exit 1; \
	done

# The Debian package, from the install rules in packaging/.
package: build
	cd $(BUILD) && cpack -G DEB

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer. Leaks
# inside libraries that are not ours are listed, each with its reason, in
# tools/sanitize/lsan.supp.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_stack_use_after_return=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitize/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)
