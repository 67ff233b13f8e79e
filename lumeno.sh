#!/usr/bin/env bash
# Lumeno's one entry point.
#   ./lumeno.sh run    set up, build (Release), build the databases, start Lumeno
#   ./lumeno.sh test   set up, build with ASan and UBSan, run the whole suite;
#                      then the naming tests in a ThreadSanitizer build
#   ./lumeno.sh package  set up, build (Release), make lumeno_<version>_amd64.deb
# Both install missing Debian packages first (as root) and are incremental.
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)

PACKAGES=(build-essential cmake pkg-config sqlite3 libsqlite3-dev
          libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
          qt6-translations-l10n fonts-wqy-zenhei fontconfig xvfb xauth
          clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file)

need_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then return 0; fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages; run as root first:"
    echo "  apt-get update && apt-get install -y ${missing[*]}"
    exit 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

build() {  # build DIR CMAKE-ARGS...
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" "$@"
  fi
  cmake --build "$dir" -j "$(jobs)"
}

cmd_run() {
  need_packages
  build "$ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DLUMENO_BUILD_TESTS=OFF -DLUMENO_BUILD_BENCH=OFF
  local bin="$ROOT/build/release/bin"
  if [ -x "$bin/lumeno" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display available: start Lumeno from a desktop session, or use $bin/lumeno-cli --help"
      exit 0
    fi
    exec "$bin/lumeno" "$@"
  fi
  exec "$bin/lumeno-cli" --help
}

cmd_test() {
  need_packages
  build "$ROOT/build/asan" -DCMAKE_BUILD_TYPE=Debug -DLUMENO_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DLUMENO_BUILD_BENCH=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir "$ROOT/build/asan" --output-on-failure -j "$(jobs)"
  # The naming engine and its worker threads once more under ThreadSanitizer,
  # in a folder of their own with only what those tests need.
  local tsan="$ROOT/build/tsan"
  if [ ! -f "$tsan/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$tsan" -DCMAKE_BUILD_TYPE=Debug -DLUMENO_SANITIZE_THREAD=ON \
      -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DLUMENO_BUILD_GUI=OFF -DLUMENO_BUILD_BENCH=OFF \
      -DLUMENO_TEST_DATABASES=OFF -DLUMENO_BUILD_FUZZ=OFF "-DLUMENO_SUBSYSTEMS=calendar;numerology;bazi;naming"
  fi
  cmake --build "$tsan" --target test_naming -j "$(jobs)"
  TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$tsan" -R '^test_naming$' --output-on-failure
}

cmd_package() {
  need_packages
  local dir="$ROOT/build/package"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DLUMENO_BUILD_TESTS=OFF -DLUMENO_BUILD_BENCH=OFF
  fi
  cmake --build "$dir" --target lumeno lumeno-cli lumeno_databases -j "$(jobs)"
  (cd "$dir" && cpack -G DEB)
  local deb
  deb=$(ls "$dir"/lumeno_*_amd64.deb)
  echo "Package: $deb"
  echo "Install it with: apt-get install $deb"
}

case "${1:-}" in
  run) shift; cmd_run "$@" ;;
  test) shift; cmd_test "$@" ;;
  package) shift; cmd_package "$@" ;;
  *) echo "usage: $0 run|test|package"; exit 2 ;;
esac
