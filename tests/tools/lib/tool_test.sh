# shellcheck shell=bash
# What every tool test (tests/tools/*.sh) begins with; a test sources it after `set -u`:
#   source "$(dirname "${BASH_SOURCE[0]}")/lib/tool_test.sh"
# It names the test's arguments (<kolbrin-data> <build dir> <source dir>) `tool`, `build` and `src`, makes a
# temporary folder `$tmp` that goes when the test ends, and counts failures in `failures`: `fail MESSAGE`
# prints one and counts it, `finish SUMMARY` ends the test (the count and exit code 1 after any failure, else
# the summary and exit code 0).
tool=${1:?usage: $(basename "$0") KOLBRIN_DATA BUILD_DIR SOURCE_DIR}
build=${2:?usage: $(basename "$0") KOLBRIN_DATA BUILD_DIR SOURCE_DIR}
src=${3:?usage: $(basename "$0") KOLBRIN_DATA BUILD_DIR SOURCE_DIR}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)"
        exit 1
    fi
    echo "$*"
    exit 0
}

# Runs a command that must refuse cleanly: exit code 1 and one line on the error stream (kept in $tmp/err).
expect_error() {
    local what=$1
    shift
    "$@" >"$tmp/out" 2>"$tmp/err"
    local rc=$?
    [ $rc -eq 1 ] || fail "$what: exit code $rc, expected 1"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "$what: expected one error line, got: $(head -3 "$tmp/err")"
}

# Sets `game` to the data folder the build laid out, or to a fresh one built from the sources when the
# build has none.
use_data_folder() {
    game=$build/bin
    if [ ! -d "$game/Teams" ] || [ ! -f "$game/referee.txe" ]; then
        game=$tmp/game
        "$tool" build-data "$game" --source "$src/data" >/dev/null || fail "build-data exited $?"
    fi
}

# Builds the data folder from the sources into `$1`; the test cannot go on without it.
build_data_folder() {
    "$tool" build-data "$1" --source "$src/data" >/dev/null || {
        echo "FAIL: build-data"
        exit 1
    }
}

# Stops the test when the program `$1` was not built.
need_program() {
    [ -x "$1" ] || {
        echo "FAIL: $1 was not built"
        exit 1
    }
}
