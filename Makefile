# Shortcuts for developers once ./test.sh has installed the packages.
BUILD ?= build

.PHONY: all test bench format run

all:
	scripts/setup.sh $(BUILD)

test: all
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $$(nproc)

bench: all
	$(BUILD)/bench/core/penvaro_core_bench
	$(BUILD)/bench/core/penvaro_balances_bench
	$(BUILD)/bench/ledger/penvaro_ledger_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

run: all
	$(BUILD)/src/app/penvaro
