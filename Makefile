# The two set-up commands of the README are `make run` and `make test`.
# `make build LUMBRA_SITE=http://host:port` builds only, against another site.
export LUMBRA_SITE ?= http://127.0.0.1:18080
export JOBS ?= 2
MAKEFLAGS += --no-print-directory

.PHONY: setup build run test bench clean

setup:
	@bash scripts/setup.sh

build:
	@bash scripts/build.sh

run: build
	@bash scripts/run.sh

test: build
	@bash scripts/test.sh $(CTEST_ARGS)

bench: build
	@bash scripts/bench.sh

clean:
	rm -rf build
