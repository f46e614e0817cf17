# Sourced by the timing scripts of this folder: `root`, `build` (build/ of
# the checkout, configured RelWithDebInfo as the README's build when it is
# not there yet) and a scratch folder `work`, removed on exit.
#
#   tool_build TARGET ...     builds the targets the script times
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${build:-$root/build}"
tool_build() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$build" -j2 --target "$@" >/dev/null
}
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
