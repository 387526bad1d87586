#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, runs every test, then
# runs the tests again under AddressSanitizer and UndefinedBehaviorSanitizer, the scan's tests
# under ThreadSanitizer, and finally lets the fuzzer feed the file reader, the settings file
# reader and the rename pattern reader for FUZZ_SECONDS (default 60) together, a third each.
set -euo pipefail
cd "$(dirname "$0")"
. ./tools/install-packages.sh
. ./tools/build-options.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}

echo "== build (warnings are errors)"
cmake -S . -B build "${zuf_build_options[@]}"
cmake --build build -j "$jobs"
echo "== tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZUF_WERROR=ON -DZUF_SANITIZE=ON \
    -DZUF_BENCH=OFF "${zuf_launcher[@]}"
cmake --build build-asan -j "$jobs"
echo "== tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== the scan's tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZUF_WERROR=ON -DZUF_TSAN=ON \
    -DZUF_WINDOW=OFF -DZUF_BENCH=OFF "${zuf_launcher[@]}"
cmake --build build-tsan -j "$jobs" --target tst_scan
# The two cases that fork a child to read as another user are left out: the race detector
# cannot follow threads started in a forked child.
scan_cases=$(build-tsan/tst_scan -functions | sed 's/()$//' |
    grep -vx 'unreadableFolderIsSkipped\|linkedAndUnreadableFiles')
# shellcheck disable=SC2086
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tools/tsan.supp" build-tsan/tst_scan $scan_cases

echo "== fuzzing the file reader, the settings file and rename patterns for ${fuzz_seconds} s together"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZUF_FUZZ=ON -DZUF_WINDOW=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_reader fuzz_settings_file fuzz_rename_pattern \
    fuzz_seed_corpus
rm -rf build-fuzz/corpus build-fuzz/settings-corpus build-fuzz/pattern-corpus
mkdir -p build-fuzz/corpus build-fuzz/settings-corpus build-fuzz/pattern-corpus
build-fuzz/fuzz_seed_corpus build-fuzz/corpus
printf '%s\n' '[General]' 'szPathName1=/music/tabs/' 'WindowPos="10,20,650,500"' \
    'szPathList0=" /a;b\\c\"d\te\x0001"' 'dwExStyle=1056' 'list=a, "b,c", @x' \
    'bytes=@ByteArray(\0\xff)' '' '[%47eneral]' 'k\\l=%' > build-fuzz/settings-corpus/seed
printf '%s\0%s' '%author%/[%n:3% ]%title%[ (%tuning%)] %%[[x]]' ' con. AC/DC é' \
    > build-fuzz/pattern-corpus/seed
third=$(((fuzz_seconds + 2) / 3))
last=$((fuzz_seconds - 2 * third > 0 ? fuzz_seconds - 2 * third : 1)) # 0 would mean no limit
build-fuzz/fuzz_reader -max_total_time="$third" -max_len=65536 -timeout=10 \
    -rss_limit_mb=4096 -print_final_stats=1 build-fuzz/corpus
build-fuzz/fuzz_settings_file -max_total_time="$third" -max_len=65536 \
    -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 build-fuzz/settings-corpus
build-fuzz/fuzz_rename_pattern -max_total_time="$last" -max_len=4096 \
    -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 build-fuzz/pattern-corpus
echo "== all tests passed"
