#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a build with warnings as errors
# in build/, a build with the address and undefined-behaviour sanitizers in build-sanitize/, and
# the formatting check. Window pictures land in build/screens/, on scaled screens in
# build/screens@1.5x/ and build/screens@2x/, and in one folder per style and desktop look
# (build/screens-<style>/ ...). Pass a ctest regular expression to run one area, e.g.
# ./test.sh Gta3; that form skips the sanitizer build and the format check, and fails when the
# expression matches no test.
set -euo pipefail
cd "$(dirname "$0")"

usage="usage: ./test.sh [CTEST-PATTERN]   (e.g. ./test.sh Gta3; with none it runs every test)"
if [ $# -eq 1 ] && { [ "$1" = -h ] || [ "$1" = --help ]; }; then
    echo "$usage"
    exit 0
fi
# One pattern at most; anything that looks like an option is a typo, not a pattern.
if [ $# -gt 1 ] || { [ $# -eq 1 ] && [[ "$1" == -* || -z "$1" ]]; }; then
    echo "$usage" >&2
    exit 2
fi

tools/install-deps.sh --tests --log build/install.log
export QT_QPA_PLATFORM=offscreen
. tools/runtime-dir.sh
jobs="$(nproc)"
configure=(-DCMAKE_BUILD_TYPE=Debug -DQUARNIX_TESTS=ON -DQUARNIX_WERROR=ON)

if [ $# -gt 0 ]; then
    cmake -S . -B build "${configure[@]}" >/dev/null
    cmake --build build -j"$jobs"
    ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs" -R "$1"
    exit 0
fi

echo "== formatting"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build')
clang-format --dry-run --Werror $files

echo "== build with warnings as errors"
cmake -S . -B build "${configure[@]}" >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"

echo "== build with address and undefined-behaviour sanitizers"
cmake -S . -B build-sanitize "${configure[@]}" -DQUARNIX_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
# Qt's own libraries are not instrumented; leaks inside them are not ours to fix.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j"$jobs"
