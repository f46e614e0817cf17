#!/usr/bin/env bash
# Checks that every #include line of src/ runs one way through the source
# folders, as scripts/layer_rules.sh orders them. The build enforces the
# layers' own views (cmake/layers.cmake); this also covers the front ends
# (tools/, web/) and the platform code. A file may include its own folder
# and the folders below it; a tool no other tool but the command-line scan
# (tools/cli), the page no more of a tool than its *_command.h, and Python
# no header of a tool at all. Prints
# every include against the order and exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/layer_rules.sh

bad=0
while IFS= read -r line; do
  file=${line%%:*}
  target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
  from=$(cut -d/ -f2 <<<"$file")
  to=${target%%/*}
  [ "$to" = "$target" ] && continue  # same-folder include without a path
  if [ "$to" = tools ]; then
    tool=${target#tools/} tool=${tool%%/*}
    case "$from" in
      tools)  # a tool is its own folder and the shared command-line scan
        own=${file#src/tools/} own=${own%%/*}
        if [ "$tool" != "$own" ] && [ "$tool" != cli ]; then
          echo "one tool including another: $line"; bad=1
        fi
        continue ;;
      python)  # Python fills the studies' requests, never a command line
        echo "Python including a tool's header: $line"; bad=1
        continue ;;
      web)  # the page may offer a tool's own command line, nothing else of it
        case "$target" in
          *_command.h) ;;
          *) echo "the page including more of a tool than its command line: $line"; bad=1 ;;
        esac
        continue ;;
    esac
  fi
  [ "$from" = "$to" ] && continue
  if ! allowed=$(layer_below "$from") || ! layer_below "$to" >/dev/null; then
    echo "unknown folder in: $line"; bad=1; continue
  fi
  case " $allowed " in
    *" $to "*) ;;
    *) echo "include against the layers: $line"; bad=1 ;;
  esac
done < <(grep -rn --include='*.h' --include='*.cc' '#include "' src)
if [ "$bad" = 0 ]; then echo "layers: every include runs downwards"; fi
exit $bad
