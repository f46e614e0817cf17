#!/usr/bin/env bash
# Checks the include view each layer's library compiles with: a file of
# layer L that includes a header of layer M must compile exactly when M is L
# or lies below it in scripts/layer_rules.sh (membrane and input do not see
# each other, nor text and drawing). The rule is read from that file, not
# taken from the build, so a wrong link or include directory fails.
#   layer_views.sh CXX VIEWS_FILE SRC_DIR
# VIEWS_FILE: one line per layer, "<layer> <include dir> <include dir> ...".
set -euo pipefail
cxx=$1 views=$2 src=$3
source "$(dirname "$0")/../scripts/layer_rules.sh"
layers=("${LAYERS[@]}")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bad=0 checked=0
while read -r layer dirs; do
  flags=()
  for d in $dirs; do flags+=("-I$d"); done
  for other in "${layers[@]}"; do
    header=$(cd "$src" && find "$other" -name "*.h" | sort | head -n 1)
    expect=fails
    case " $layer $(layer_below "$layer") " in *" $other "*) expect=compiles ;; esac
    printf '#include "%s"\n' "$header" >"$scratch/probe.cc"
    if "$cxx" -std=c++17 -E "${flags[@]}" "$scratch/probe.cc" >/dev/null 2>"$scratch/err"; then
      got=compiles
    elif grep -q "$header" "$scratch/err"; then
      got=fails
    else
      got="fails otherwise: $(head -n 1 "$scratch/err")"
    fi
    checked=$((checked + 1))
    if [ "$got" != "$expect" ]; then
      echo "a $layer file including $header: $got, expected: $expect"
      bad=1
    fi
  done
done <"$views"
if [ "$checked" -ne $(( ${#layers[@]} * ${#layers[@]} )) ]; then
  echo "checked $checked layer pairs, expected $(( ${#layers[@]} * ${#layers[@]} ))"
  bad=1
fi
[ "$bad" = 0 ] && echo "layer views: $checked pairs, each layer sees itself and the layers below"
exit $bad
