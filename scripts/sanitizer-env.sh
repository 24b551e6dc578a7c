# Sourced by test-sanitizers.sh and fuzz.sh (and by hand before running ctest
# or a fuzz target in build-asan/ or build-fuzz/): where the sanitizer build
# lives, how it is configured, and how the sanitizers report.
#
# The build uses clang, whose libFuzzer the fuzz targets need, at -O1 with
# line tables only: cheap to compile, fast enough to run, and every report
# still names file and line. Asserts stay on; benchmarks are left out.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
asan_build=${ASAN_BUILD_DIR:-$root/build-asan}
asan_cmake_args=(
    -DCMAKE_CXX_COMPILER=clang++
    -DCMAKE_BUILD_TYPE=Debug
    "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1"
    -DVELLUMRY_SANITIZE=ON
    -DVELLUMRY_BUILD_BENCH=OFF
    -DVELLUMRY_WERROR=ON
)

# Stop at the first report, with a stack; leaks are checked at every exit.
# Nothing is suppressed: Qt's offscreen platform, fontconfig and the widgets
# leave no reports on Debian 12's packages.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
