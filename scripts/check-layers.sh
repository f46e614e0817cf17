#!/usr/bin/env bash
# Checks that #include lines run one way through the source folders:
#   core <- membrane, input <- section <- output <- driver <- tools
# (the page, web/, and the platform code, platform/, beside the tools).
# The build enforces the six layers (cmake/layers.cmake); this also covers
# the folders above them.
# A file may include its own folder and any folder of a lower rank.
# Prints every include that points upwards and exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
  case "$1" in
    core) echo 0 ;;
    membrane|input) echo 1 ;;
    section) echo 2 ;;
    output) echo 3 ;;
    driver) echo 4 ;;
    tools|web|platform) echo 5 ;;
    *) echo "" ;;
  esac
}

bad=0
while IFS= read -r line; do
  file=${line%%:*}
  target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
  from=$(cut -d/ -f2 <<<"$file")
  to=${target%%/*}
  [ "$to" = "$target" ] && continue  # same-folder include without a path
  rf=$(rank "$from"); rt=$(rank "$to")
  if [ -z "$rf" ] || [ -z "$rt" ]; then
    echo "unknown folder in: $line"; bad=1; continue
  fi
  # membrane and input share a rank but do not include each other.
  if [ "$rt" -gt "$rf" ] || { [ "$rt" = 1 ] && [ "$rf" = 1 ] && [ "$from" != "$to" ]; }; then
    echo "upward include: $line"; bad=1
  fi
done < <(grep -rn --include='*.h' --include='*.cc' '#include "' src)
if [ "$bad" = 0 ]; then echo "layers: every include runs downwards"; fi
exit $bad
